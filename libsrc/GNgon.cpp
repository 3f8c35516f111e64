#include "GNgon.h"

#include "D3DEngine.h"

GNgon::~GNgon() { centre = V2(0.0f, 0.0f); }

bool GNgon::Inside(V2 p) const {
  bool inside = false;
  size_t n = points.size();
  for (size_t i = 0, j = n - 1; i < n; j = i++) {
    const V2& a = points[i];
    const V2& b = points[j];
    if (((a.y <= p.y && p.y < b.y) || (b.y <= p.y && p.y < a.y)) &&
        p.x < a.x + (b.x - a.x) * (p.y - a.y) / (b.y - a.y)) {
      inside = !inside;
    }
  }
  return inside;
}

void GNgon::CalculateCenter() {
  if (points.empty()) return;
  V2 sum;
  for (const V2& p : points) {
    sum.x += p.x;
    sum.y += p.y;
  }
  centre = V2(sum.x / (float)points.size(), sum.y / (float)points.size());
}

void GNgon::Tesselate() {
  std::vector<V2> result;
  result.reserve(points.size() * 2);
  for (size_t i = 0; i < points.size(); ++i) {
    const V2& a = points[i];
    const V2& b = points[(i + 1) % points.size()];
    result.push_back(a);
    result.push_back(V2((a.x + b.x) / 2.0f, (a.y + b.y) / 2.0f));
  }
  points = result;
}

void GNgon::PruneDuplicatePoints() {
  std::vector<V2> result;
  for (const V2& p : points) {
    bool seen = false;
    for (const V2& q : result) {
      if (q == p) {
        seen = true;
        break;
      }
    }
    if (!seen) result.push_back(p);
  }
  points = result;
}

void GNgon::DrawPoints() const {
  for (const V2& p : points) {
    RECT r;
    SetRect(&r, (int)p.x - 1, (int)p.y - 1, (int)p.x + 2, (int)p.y + 2);
    GetD3DEngine()->FillRect(&r, 0xFFFFFFFFu);
  }
}

void GNgon::DrawOutline(uint32_t colour) const {
  size_t n = points.size();
  for (size_t i = 0; i < n && n > 1; ++i) {
    const V2& a = points[i];
    const V2& b = points[(i + 1) % n];
    GetD3DEngine()->RenderLine(a.x, a.y, b.x, b.y, colour);
  }
}

void GNgon::DrawFill(uint32_t colour) const {
  if (points.size() < 3) return;
  std::vector<_D3DTLVERTEX> triangles;
  uint32_t vb = SpriteToVBColor(colour);
  for (size_t i = 1; i + 1 < points.size(); ++i) {
    for (const V2* p : {&points[0], &points[i], &points[i + 1]}) {
      triangles.emplace_back(p->x, p->y, 0.0f, 1.0f, vb, vb, 0.0f, 0.0f);
    }
  }
  GetD3DEngine()->SetTexture(0, 0);
  GetD3DEngine()->DrawTriangles(triangles.data(), nullptr, (int)triangles.size());
}
