#pragma once
// The engine's colour value: red, green, blue and alpha as ints 0..255, packed for drawing in the
// sprite packing (red in the low byte).
#include <cstdint>
#include <cstdlib>

struct LibColor {
  int r = 255, g = 255, b = 255, a = 255;

  LibColor() = default;
  LibColor(int ar, int ag, int ab, int aa) : r(ar), g(ag), b(ab), a(aa) {}
  // "r,g,b" as three integers (as in data files), alpha 255; missing fields read 0.
  explicit LibColor(const char* text) {
    int v[3] = {0, 0, 0};
    const char* p = text ? text : "";
    for (int i = 0; i < 3 && *p; ++i) {
      char* end = nullptr;
      v[i] = int(std::strtol(p, &end, 10));
      p = end;
      while (*p == ',' || *p == ' ') ++p;
    }
    r = v[0];
    g = v[1];
    b = v[2];
    a = 255;
  }
  static LibColor FromBytes(int r, int g, int b, int a = 255) { return LibColor(r, g, b, a); }

  uint32_t GetD3DColor() const;  // a<<24 | b<<16 | g<<8 | r, each component cut to a byte

  int R() const { return r; }
  int G() const { return g; }
  int B() const { return b; }
  int A() const { return a; }

  // Red, green and blue each lose amount, clamped at 0; alpha stays.
  void Darken(int amount) {
    auto dark = [amount](int c) { return c - amount < 0 ? 0 : c - amount; };
    r = dark(r);
    g = dark(g);
    b = dark(b);
  }
  // Component-wise from + (int)((to - from) * t), truncated toward zero; t is not clamped.
  static LibColor Interpolate(const LibColor& from, const LibColor& to, float t) {
    auto mix = [t](int f, int o) { return f + int(float(o - f) * t); };
    return LibColor(mix(from.r, to.r), mix(from.g, to.g), mix(from.b, to.b), mix(from.a, to.a));
  }
};
