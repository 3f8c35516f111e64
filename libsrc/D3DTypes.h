#pragma once
// The screen vertex, the two colour packings and the plain-memory vertex store, under the
// Direct3D names the drawing code speaks.
#include <cstdint>

// A pre-transformed screen vertex. Four of them in the order top-left, top-right, bottom-left,
// bottom-right make a quad; u and v run 0..1 across the bound texture.
struct _D3DTLVERTEX {
  float x = 0.0f;
  float y = 0.0f;
  float z = 0.0f;
  float rhw = 0.0f;           // never read by the OpenGL path
  uint32_t diffuse = 0;       // packed colour, see below
  uint32_t specular = 0;
  float u = 0.0f;
  float v = 0.0f;
  _D3DTLVERTEX() = default;
  _D3DTLVERTEX(float ax, float ay, float az, float arhw, uint32_t adiffuse, uint32_t aspecular, float au,
               float av)
      : x(ax), y(ay), z(az), rhw(arhw), diffuse(adiffuse), specular(aspecular), u(au), v(av) {}
};
typedef _D3DTLVERTEX D3DTLVERTEX;

// Two packings, alpha always in bits 24..31.
// Sprite packing: red in bits 0..7, green 8..15, blue 16..23. Sprites, every fill, outline and line
// of the renderer, the clear colour and LibColor::GetD3DColor.
constexpr uint32_t SpriteColor(int r, int g, int b, int a = 255) {
  return (uint32_t(a & 0xFF) << 24) | (uint32_t(b & 0xFF) << 16) | (uint32_t(g & 0xFF) << 8) | uint32_t(r & 0xFF);
}
// Vertex-buffer packing: red in bits 16..23, green 8..15, blue 0..7. Everything drawn through
// GVertexBuffer: bitmap-font text and particles.
constexpr uint32_t VBColor(int r, int g, int b, int a = 255) {
  return (uint32_t(a & 0xFF) << 24) | (uint32_t(r & 0xFF) << 16) | (uint32_t(g & 0xFF) << 8) | uint32_t(b & 0xFF);
}
// Red and blue trade places; the same swap converts either way.
constexpr uint32_t SpriteToVBColor(uint32_t c) {
  return (c & 0xFF00FF00u) | ((c & 0xFFu) << 16) | ((c >> 16) & 0xFFu);
}
constexpr uint32_t VBToSpriteColor(uint32_t c) { return SpriteToVBColor(c); }

// Byte order fix-up of a sprite-packed colour before it goes to OpenGL as bytes r, g, b, a. Only a
// big-endian host would need to reverse the word; every host we build for is little-endian.
constexpr uint32_t SwapColor(uint32_t c) { return c; }

// The vertex format of every store: position with rhw, diffuse, specular, one texture pair.
constexpr uint32_t D3DFVF_TLVERTEX = 452;

// A plain memory store with the Direct3D names.
class IDirect3DVertexBuffer8 {
 public:
  IDirect3DVertexBuffer8(int vertices, uint32_t formatCode);
  ~IDirect3DVertexBuffer8();
  IDirect3DVertexBuffer8(const IDirect3DVertexBuffer8&) = delete;
  IDirect3DVertexBuffer8& operator=(const IDirect3DVertexBuffer8&) = delete;
  // Hands out the array; returns 0 (the memory store never fails).
  long Lock(unsigned offset, unsigned size, _D3DTLVERTEX** data, unsigned flags);
  long Unlock() { return 0; }
  long Release();  // frees the array
  int GetLength() const { return m_length; }
  uint32_t GetFormat() const { return m_format; }
  _D3DTLVERTEX* GetVertices() const { return m_vertices; }

 private:
  _D3DTLVERTEX* m_vertices = nullptr;
  int m_length = 0;
  uint32_t m_format = D3DFVF_TLVERTEX;
};
