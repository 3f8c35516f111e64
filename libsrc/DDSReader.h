#pragma once
// The DDS reader: header parsing, the table of accepted pixel formats and the reading of the top
// level. Uploading is the renderer's (D3DEngine::loadDDS).
#include <cstdint>
#include <cstdio>
#include <vector>

#include "Win32Types.h"

enum class DDSFormat { None, DXT1, DXT3, DXT5, BGRA8, BGR5A1, BGR565, Index8, BGRA4444, BGR8 };

struct DDSFormatInfo {
  DDSFormat format = DDSFormat::None;
  const char* name = "";
  bool compressed = false;
  bool swap16 = false;      // 16-bit texels (little-endian words)
  bool palette = false;
  int blockSide = 1;        // 4 for compressed formats
  int blockBytes = 0;       // bytes per block or per texel
  uint32_t glInternal = 0;  // OpenGL internal format
  uint32_t glExternal = 0;  // OpenGL external format (0 for compressed)
  uint32_t glType = 0;
};

constexpr int DDS_HEADER_BYTES = 128;
constexpr int DDS_PALETTE_BYTES = 1024;

struct DDSHeader {
  uint32_t magic = 0;
  uint32_t size = 0;
  uint32_t flags = 0;
  uint32_t height = 0;
  uint32_t width = 0;
  uint32_t pitchOrLinearSize = 0;
  uint32_t pfFlags = 0;
  uint32_t fourCC = 0;
  uint32_t rgbBitCount = 0;
  uint32_t rMask = 0, gMask = 0, bMask = 0, aMask = 0;
};

// Reads the fields of the 128 header bytes (little-endian).
DDSHeader ParseDDSHeader(const uint8_t* bytes);
// Magic "DDS ", size 124 and flag bits 0x1 and 0x1000 both set.
bool IsValidDDSHeader(const DDSHeader& h);
// The first row of the format table the header fits; format None when it fits none.
DDSFormatInfo ChooseDDSFormat(const DDSHeader& h);
// Bytes of the top level. Compressed sizes are rounded up to whole 4x4 blocks (a 6x6 DXT1 is
// 2x2 blocks of 8 bytes); paletted sizes count index bytes (pitch * height).
size_t DDSTopLevelBytes(const DDSHeader& h, const DDSFormatInfo& f);

struct DDSImage {
  DDSFormatInfo info;
  int width = 0;
  int height = 0;
  std::vector<uint8_t> data;  // ready to upload: blocks, BGRA pixels (palette expanded) or texels
};

// Reads a whole DDS picture from the stream, or from memory when the stream is null (then
// memorySize bounds the reads). With a part rectangle, uncompressed pictures are cut to it. False
// on a bad header, an unsupported format, a short file or a bad part rectangle.
bool ReadDDS(FILE* stream, const uint8_t* memory, size_t memorySize, DDSImage* out, const RECT* part);
