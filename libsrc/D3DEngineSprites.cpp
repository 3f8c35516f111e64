// The renderer operations that take sprites and points.
#include <algorithm>
#include <cmath>
#include <vector>

#include "BaseSprite.h"
#include "D3DEngine.h"
#include "GDebug.h"
#include "StringUtils.h"
#include "V2.h"

void D3DEngine::FillRect(const BaseSprite* sprite, uint32_t colour) {
  if (!sprite) return;
  RECT r;
  r.left = int32_t(sprite->vertices[0].x);
  r.top = int32_t(sprite->vertices[0].y);
  r.right = int32_t(sprite->vertices[3].x);
  r.bottom = int32_t(sprite->vertices[3].y);
  FillRect(&r, colour);
}

void D3DEngine::FrameRect(const BaseSprite* sprite, uint32_t colour) {
  if (!sprite) return;
  SetTexture(0, 0);
  const float l = sprite->Left(), t = sprite->Top(), r = sprite->Right(), b = sprite->Bottom();
  Record(DrawKind::Frame, "FrameRect", l, t, r, b, colour);
  const float xy[] = {l, t, l, b, r, b, r, t, l, t};
  LineStrip(xy, 5, colour);
}

void D3DEngine::RenderSpriteLine(const V2* points, int count, uint32_t colour, float width) {
  if (!points || count < 2) return;
  std::vector<_D3DTLVERTEX> v;
  v.reserve(size_t(count - 1) * 4);
  float l = points[0].x, t = points[0].y, r = l, b = t;
  for (int i = 0; i + 1 < count; ++i) {
    const float x1 = points[i].x, y1 = points[i].y, x2 = points[i + 1].x, y2 = points[i + 1].y;
    const float cx = (x1 + x2) / 2, cy = (y1 + y2) / 2;
    const float length = GetDist(x1, y1, x2, y2);
    const double angle = double(AngleToObject(double(x1), double(y1), double(x2), double(y2)) - 90.0f) * 0.017453277777777776;
    const float c = float(std::cos(angle)), s = float(std::sin(angle));
    const float hx = length / 2, hy = width / 2;
    v.emplace_back(cx - hx * c + hy * s, cy - hx * s - hy * c, 0.0f, 1.0f, colour, colour, 0.0f, 0.0f);
    v.emplace_back(cx + hx * c + hy * s, cy + hx * s - hy * c, 0.0f, 1.0f, colour, colour, 1.0f, 0.0f);
    v.emplace_back(cx - hx * c - hy * s, cy - hx * s + hy * c, 0.0f, 1.0f, colour, colour, 0.0f, 1.0f);
    v.emplace_back(cx + hx * c - hy * s, cy + hx * s + hy * c, 0.0f, 1.0f, colour, colour, 1.0f, 1.0f);
    l = std::min(l, x2);
    t = std::min(t, y2);
    r = std::max(r, x2);
    b = std::max(b, y2);
  }
  Record(DrawKind::SpriteLine, "RenderSpriteLine", l, t, r, b, colour, count);
  const uint32_t c = SwapColor(colour);
  BeginPrimitive(FramePrimitive::TriangleStrip);
  for (const _D3DTLVERTEX& q : v) AddVertex(q.x, q.y, q.z, q.u, q.v, c);
  Submit();
}
