#pragma once
// One loaded texture, kept for the program's life in the renderer's texture list. The decoded
// pixels stay beside the OpenGL texture: the font code measures glyphs from them.
#include <cstdint>
#include <string>
#include <vector>

struct GSurface {
  // Pictures (PNG, JPEG, BMP): 4 bytes a pixel in the order alpha, red, green, blue, rows top to
  // bottom, width * 4 bytes a row. DDS files: the data as uploaded (compressed blocks, expanded
  // palette pixels or raw texels); fromDDS tells which.
  std::vector<uint8_t> pixels;
  uint32_t textureNumber = 0;  // 0 when nothing could be loaded
  int width = 0;
  int height = 0;
  std::string name;            // the file name exactly as found: the lookup key (case-sensitive)
  std::string path;            // where it was read from
  bool fromDDS = false;

  // Pictures only: the texels outside [opaqueLeft, opaqueRight) x [opaqueTop, opaqueBottom) are
  // fully transparent; the box is one texel wider than the visible ones on every side, so linear
  // filtering at its edge still reads only transparent texels. Worked out on first use.
  bool opaqueKnown = false;
  int opaqueLeft = 0, opaqueTop = 0, opaqueRight = 0, opaqueBottom = 0;
  void FindOpaqueBox();
};
