#pragma once
// The segmented horizontal bar of a value 0..1 (skill levels, progress, relationship strength):
// 5-pixel segments every 6 pixels, 8 high, the filled ones in a dark olive (red shades when
// highlighted) and the rest in half-transparent white. As a small window (usually a child of a
// screen) or through the static DrawBar. It never eats the mouse moves of the window under it.
//
//   GUI_ValueBar* bar = new GUI_ValueBar;
//   bar->SetPosition(x, y, x + 120, y + 8);
//   bar->SetValue(skill, 1.0f, false);
//   screen->AddChild(bar);
//   GUI_ValueBar::DrawBar(x, y, 0.4f, 120.0f, 1.0f, false);  // without a window
#include <cstdint>

#include "D3DTypes.h"
#include "GUI_WindowBase.h"

class GUI_ValueBar : public GUI_WindowBase {
 public:
  static constexpr uint32_t kEmptyColour = 0x80FFFFFFu;

  GUI_ValueBar();
  ~GUI_ValueBar() override = default;

  void Draw() override;  // the bar only: no buttons, no children
  // value clamped to 0..1; alpha 0..1 fades the filled segments.
  void SetValue(float value, float alpha, bool highlighted);
  float GetValue() const { return m_value; }
  uint32_t GetFirstColour() const { return m_firstColour; }
  uint32_t GetSecondColour() const { return m_secondColour; }

  static void DrawBar(float x, float y, float value, float width, float alpha, bool highlighted);
  // The two colours of the filled segments for an alpha and the highlight.
  static void BarColours(float alpha, bool highlighted, uint32_t* first, uint32_t* second);

 private:
  RECT m_bar;
  RECT m_filled;
  _D3DTLVERTEX m_vertices[4];
  uint32_t m_emptyColour = kEmptyColour;
  uint32_t m_firstColour = 0;
  uint32_t m_secondColour = 0;
  float m_value = 0.0f;
};
