#include "GUI_ValueBar.h"

#include "D3DEngine.h"

namespace {
constexpr int kBarSegmentWidth = 5;
constexpr int kSegmentStep = 6;
constexpr int kBarHeight = 8;

float Clamp01(float v) { return v < 0.0f ? 0.0f : (v > 1.0f ? 1.0f : v); }

// A segment whose colour runs from `from` to `to` down its height, one pixel row at a time (the
// renderer's quads are flat-shaded, its gradients run across).
void FillDownwards(const RECT& r, uint32_t from, uint32_t to) {
  D3DEngine* engine = GetD3DEngine();
  if (from == to) {
    engine->FillRect(&r, from);
    return;
  }
  const int rows = r.bottom - r.top;
  for (int i = 0; i < rows; ++i) {
    float t = rows > 1 ? (float)i / (float)(rows - 1) : 0.0f;
    uint32_t c = 0;
    for (int shift = 0; shift < 32; shift += 8) {
      int a = (int)((from >> shift) & 0xFFu);
      int b = (int)((to >> shift) & 0xFFu);
      c |= (uint32_t)(a + (int)((float)(b - a) * t)) << shift;
    }
    RECT row;
    SetRect(&row, r.left, r.top + i, r.right, r.top + i + 1);
    engine->FillRect(&row, c);
  }
}

void FillAcross(const RECT& r, uint32_t from, uint32_t to) {
  if (from == to) {
    GetD3DEngine()->FillRect(&r, from);
  } else {
    GetD3DEngine()->FillRectGradient(&r, from, to);
  }
}

// f filled segments of n from the left of the bar.
template <typename Fill>
void DrawSegments(int left, int top, int filled, int total, uint32_t first, uint32_t second, uint32_t empty,
                  Fill fill) {
  for (int i = 0; i < total; ++i) {
    RECT seg;
    int x = left + i * kSegmentStep;
    SetRect(&seg, x, top, x + kBarSegmentWidth, top + kBarHeight);
    if (i < filled) {
      fill(seg, first, second);
    } else {
      GetD3DEngine()->FillRect(&seg, empty);
    }
  }
}
}  // namespace

GUI_ValueBar::GUI_ValueBar() {
  m_eatMouseMoves = false;
  SetRect(&m_bar, 0, 0, 0, 0);
  SetRect(&m_filled, 0, 0, 0, 0);
  static const float us[4] = {0.0f, 1.0f, 1.0f, 0.0f};
  static const float vs[4] = {0.0f, 0.0f, 1.0f, 1.0f};
  for (int i = 0; i < 4; ++i) m_vertices[i] = _D3DTLVERTEX(0.0f, 0.0f, 0.0f, 1.0f, 0, 0, us[i], vs[i]);
  BarColours(1.0f, false, &m_firstColour, &m_secondColour);
}

void GUI_ValueBar::BarColours(float alpha, bool highlighted, uint32_t* first, uint32_t* second) {
  const uint32_t a = (uint32_t)((int)(255.0f * alpha) & 0xFF) << 24;
  if (highlighted) {
    *first = a | 0x3838DEu;
    *second = a | 0x0404C4u;
  } else {
    *first = a | 0x23383Bu;
    *second = a | 0x23383Bu;
  }
}

void GUI_ValueBar::SetValue(float value, float alpha, bool highlighted) {
  m_value = Clamp01(value);
  BarColours(alpha, highlighted, &m_firstColour, &m_secondColour);
}

void GUI_ValueBar::Draw() {
  SetRect(&m_bar, rect.left, rect.top, rect.right, rect.top + kBarHeight);
  SetRect(&m_filled, rect.left, rect.top, (int)((float)rect.left + m_value * (float)width), rect.top + kBarHeight);
  const int filled = (int)(m_value * (float)width / (float)kSegmentStep);
  const int total = (int)((float)width / (float)kSegmentStep);
  DrawSegments(rect.left, rect.top, filled, total, m_firstColour, m_secondColour, m_emptyColour, FillAcross);
}

void GUI_ValueBar::DrawBar(float x, float y, float value, float width, float alpha, bool highlighted) {
  value = Clamp01(value);
  uint32_t first = 0, second = 0;
  BarColours(alpha, highlighted, &first, &second);
  const int filled = (int)(value * width / (float)kSegmentStep);
  const int total = (int)(width / (float)kSegmentStep);
  DrawSegments((int)x, (int)y, filled, total, first, second, kEmptyColour, FillDownwards);
}
