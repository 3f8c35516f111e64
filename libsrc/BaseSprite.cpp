#include "BaseSprite.h"

#include <cmath>
#include <cstdio>
#include <cstdlib>

#include "D3DEngine.h"
#include "GDebug.h"
#include "LibColor.h"

float defaultz = 0.0f;

namespace {
// An internal invariant broken by the calling code, not by data: report it and stop.
void FatalInvariant(bool condition, const char* text, int line) {
  if (condition) return;
  std::string message = GFormat("libsrc/BaseSprite:%d: Assertion `%s' failed.", line, text);
  std::fprintf(stderr, "%s\n", message.c_str());
  GetDebug()->DebugOut(message.c_str());
  std::abort();
}
}  // namespace

BaseSprite::BaseSprite() {
  static const float us[4] = {0.0f, 1.0f, 0.0f, 1.0f};
  static const float vs[4] = {0.0f, 0.0f, 1.0f, 1.0f};
  for (int i = 0; i < 4; ++i) {
    vertices[i] = _D3DTLVERTEX(0.0f, 0.0f, defaultz, 1.0f, 0xFFFFFFFFu, 0xFFFFFFFFu, us[i], vs[i]);
  }
}

BaseSprite::BaseSprite(RECT r) : BaseSprite() {
  width = (float)(r.right - r.left);
  height = (float)(r.bottom - r.top);
  PlaceLocal((float)((r.left + r.right) / 2), (float)((r.top + r.bottom) / 2));
}

void BaseSprite::PlaceLocal(float cx, float cy) {
  float hw = width / 2.0f;
  float hh = height / 2.0f;
  static const float sx[4] = {-1.0f, 1.0f, -1.0f, 1.0f};
  static const float sy[4] = {-1.0f, -1.0f, 1.0f, 1.0f};
  if (!fixed && rotation != 0.0f) {
    float a = (float)((double)rotation * 0.017453277777777776);
    float s = std::sin(a);
    float c = std::cos(a);
    for (int i = 0; i < 4; ++i) {
      float dx = sx[i] * hw;
      float dy = sy[i] * hh;
      vertices[i].x = cx + (dx * c - dy * s);
      vertices[i].y = cy + (dx * s + dy * c);
    }
  } else {
    for (int i = 0; i < 4; ++i) {
      vertices[i].x = cx + sx[i] * hw;
      vertices[i].y = cy + sy[i] * hh;
    }
  }
}

bool BaseSprite::IsPointInside(float x, float y) {
  return x > vertices[0].x && x < vertices[1].x && y > vertices[0].y && y < vertices[2].y;
}

void BaseSprite::SetUV(int numSquares, int squareId) {
  FatalInvariant(squareId < numSquares, "squareid <numsquares", 383);
  FatalInvariant(numSquares >= 4, "numsquares >= 4", 384);
  int side = (int)std::sqrt((double)numSquares);
  int column = squareId % side;
  int row = squareId / side;
  float cell = 1.0f / (float)side;
  SetUV(column * cell, row * cell, (column + 1) * cell, (row + 1) * cell);
}

void BaseSprite::SetUV(float uLeft, float vTop, float uRight, float vBottom) {
  vertices[0].u = uLeft;
  vertices[0].v = vTop;
  vertices[1].u = uRight;
  vertices[1].v = vTop;
  vertices[2].u = uLeft;
  vertices[2].v = vBottom;
  vertices[3].u = uRight;
  vertices[3].v = vBottom;
}

void BaseSprite::SetUVPx(float textureSize, float left, float top, float right, float bottom) {
  SetUV(left / textureSize, top / textureSize, right / textureSize, bottom / textureSize);
}

void BaseSprite::SetVertexColor(uint32_t colour) {
  for (_D3DTLVERTEX& v : vertices) {
    v.diffuse = colour;
    v.specular = colour;
  }
}

void BaseSprite::SetVertexColor(int r, int g, int b, int a) {
  SetVertexColor(((uint32_t)a << 24) | ((uint32_t)b << 16) | ((uint32_t)g << 8) | ((uint32_t)r & 0xFFu));
}

void BaseSprite::SetVertexColor(const LibColor& colour) { SetVertexColor(colour.GetD3DColor()); }

void BaseSprite::SetZPos(float z) {
  for (_D3DTLVERTEX& v : vertices) v.z = z;
}

void BaseSprite::Rotate(float degrees) {
  rotation += degrees;
  if (rotation >= 360.0f) {
    rotation -= 360.0f;
  } else if (rotation < 0.0f) {
    rotation += 360.0f;
  }
}

void BaseSprite::MirrorLeftRight() {
  float leftU = vertices[0].u;
  float rightU = vertices[1].u;
  vertices[0].u = vertices[2].u = rightU;
  vertices[1].u = vertices[3].u = leftU;
}

void BaseSprite::MirrorUpDown() {
  float topV = vertices[0].v;
  float bottomV = vertices[2].v;
  vertices[0].v = vertices[1].v = bottomV;
  vertices[2].v = vertices[3].v = topV;
}

bool BaseSprite::IsOnscreen() const {
  int w = (int)D3DEngine::W;
  int h = (int)D3DEngine::H;
  for (const _D3DTLVERTEX& v : vertices) {
    if (v.x > 0.0f && v.x < (float)w && v.y > 0.0f && v.y < (float)h) return true;
  }
  return false;
}

void BaseSprite::Draw() {
  if (!IsOnscreen()) return;
  if (!D3DEngine::BInScene) GetD3DEngine()->BeginRender();
  DrawNoChecks();
}

void BaseSprite::DrawNoChecks() const { GetD3DEngine()->DrawQuad(vertices); }

void BaseSprite::DrawClipped(RECT clip) const {
  BaseSprite copy;
  copy.width = width;
  copy.height = height;
  for (int i = 0; i < 4; ++i) copy.vertices[i] = vertices[i];
  // The spans of the sprite itself, before any cut.
  float uSpan = vertices[1].u - vertices[0].u;
  float vSpan = vertices[2].v - vertices[0].v;
  _D3DTLVERTEX* v = copy.vertices;
  if ((float)clip.left > v[0].x && width != 0.0f) {
    float f = ((float)clip.left - v[0].x) / width;
    v[0].x = v[2].x = (float)clip.left;
    v[0].u += uSpan * f;
    v[2].u += uSpan * f;
  }
  if (v[1].x > (float)clip.right && width != 0.0f) {
    float f = (v[1].x - (float)clip.right) / width;
    v[1].x = v[3].x = (float)clip.right;
    v[1].u -= uSpan * f;
    v[3].u -= uSpan * f;
  }
  if ((float)clip.top > v[0].y && height != 0.0f) {
    float f = ((float)clip.top - v[0].y) / height;
    v[0].y = v[1].y = (float)clip.top;
    v[0].v += vSpan * f;
    v[1].v += vSpan * f;
  }
  if (v[2].y > (float)clip.bottom && height != 0.0f) {
    float f = (v[2].y - (float)clip.bottom) / height;
    v[2].y = v[3].y = (float)clip.bottom;
    v[2].v -= vSpan * f;
    v[3].v -= vSpan * f;
  }
  copy.Draw();
}

void BaseSprite::Frame(uint32_t colour) const { GetD3DEngine()->FrameRect(this, colour); }
