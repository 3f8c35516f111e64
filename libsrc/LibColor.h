#pragma once
// A colour as four floats 0..1, with conversion to the sprite packing (red in the low byte).
#include <cstdint>

struct LibColor {
  float r = 1.0f, g = 1.0f, b = 1.0f, a = 1.0f;
  LibColor() = default;
  LibColor(float ar, float ag, float ab, float aa = 1.0f) : r(ar), g(ag), b(ab), a(aa) {}
  static LibColor FromBytes(int r, int g, int b, int a = 255) {
    return LibColor(r / 255.0f, g / 255.0f, b / 255.0f, a / 255.0f);
  }
  uint32_t GetD3DColor() const;  // sprite packing: a<<24 | b<<16 | g<<8 | r
};
