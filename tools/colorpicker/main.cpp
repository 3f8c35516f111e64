// Writes the avatar builder's colour map, "colorpicker.bmp": every pixel is GUI_ColorPicker's
// colour at that point of a map the size the builder draws (216 by 80), as an uncompressed 24-bit
// BMP.
//
// Usage: colorpicker [OUT]   (default data/bitmaps/colorpicker.bmp)
#include <cstdint>
#include <cstdio>
#include <vector>

#include "GUI_ColorPicker.h"

namespace {
constexpr int kWidth = 216;
constexpr int kHeight = 80;

void Put16(std::vector<uint8_t>& out, uint32_t v) {
  out.push_back(uint8_t(v));
  out.push_back(uint8_t(v >> 8));
}
void Put32(std::vector<uint8_t>& out, uint32_t v) {
  Put16(out, v & 0xFFFF);
  Put16(out, v >> 16);
}
}  // namespace

int main(int argc, char** argv) {
  const char* path = argc > 1 ? argv[1] : "data/bitmaps/colorpicker.bmp";
  const RECT map{0, 0, kWidth, kHeight};
  const uint32_t rowBytes = (kWidth * 3 + 3) & ~3u;
  const uint32_t pixelBytes = rowBytes * kHeight;
  std::vector<uint8_t> out;
  out.push_back('B');
  out.push_back('M');
  Put32(out, 54 + pixelBytes);
  Put32(out, 0);
  Put32(out, 54);
  Put32(out, 40);
  Put32(out, kWidth);
  Put32(out, kHeight);  // positive: rows stored bottom-up
  Put16(out, 1);
  Put16(out, 24);
  Put32(out, 0);  // uncompressed
  Put32(out, pixelBytes);
  Put32(out, 2835);  // 72 dpi
  Put32(out, 2835);
  Put32(out, 0);
  Put32(out, 0);
  for (int y = kHeight - 1; y >= 0; --y) {
    for (int x = 0; x < kWidth; ++x) {
      const LibColor c = GUI_ColorPicker::ColorInMap(map, x, y);
      out.push_back(uint8_t(c.b));
      out.push_back(uint8_t(c.g));
      out.push_back(uint8_t(c.r));
    }
    for (uint32_t pad = kWidth * 3; pad < rowBytes; ++pad) out.push_back(0);
  }
  FILE* f = std::fopen(path, "wb");
  if (!f || std::fwrite(out.data(), 1, out.size(), f) != out.size()) {
    std::fprintf(stderr, "colorpicker: cannot write %s\n", path);
    if (f) std::fclose(f);
    return 1;
  }
  std::fclose(f);
  return 0;
}
