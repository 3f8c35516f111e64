#include "GUI_ColorPicker.h"

#include "GUI_AvatarBuilder.h"
#include "GUI_WindowBackground.h"

GUI_ColorPicker::GUI_ColorPicker() { m_mapSprite.SetTexture("colorpicker.bmp"); }

LibColor GUI_ColorPicker::ColorInMap(const RECT& map, int x, int y) {
  LibColor c(255, 255, 255, 255);
  const int segment = int(float(map.right - map.left - 16) / 6.0f);
  // An empty or tiny map has no segments: nothing to pick, white.
  if (segment <= 0 || map.bottom - map.top < 2) return c;
  const int k = (x - map.left) / segment;
  const float f = float((x - map.left) - k * segment) / float(segment);
  const int up = int(255.0f * f);
  const int down = int(255.0f - 255.0f * f);
  switch (k) {
    case 0: c = LibColor(255, up, 0, 255); break;
    case 1: c = LibColor(down, 255, 0, 255); break;
    case 2: c = LibColor(0, 255, up, 255); break;
    case 3: c = LibColor(0, down, 255, 255); break;
    case 4: c = LibColor(up, 0, 255, 255); break;
    case 5: c = LibColor(255, 0, down, 255); break;
    case 6: c = LibColor(128, 128, 128, 255); break;
    default: break;
  }
  const float half = float((map.bottom - map.top) / 2);
  const int middle = (map.top + map.bottom) / 2;
  if (y < middle) {
    const float t = float(y - map.top) / half;
    const int white = int(255.0f * (1.0f - t));
    c.r = int(float(c.r) * t) + white;
    c.g = int(float(c.g) * t) + white;
    c.b = int(float(c.b) * t) + white;
  } else {
    const float t = 1.0f - float(y - middle) / half;
    c.r = int(float(c.r) * t);
    c.g = int(float(c.g) * t);
    c.b = int(float(c.b) * t);
  }
  return c;
}

void GUI_ColorPicker::Draw() {
  m_map = RECT{rect.left + 10, rect.bottom - 90, rect.right - 10, rect.bottom - 10};
  RECT frame{m_map.left - 18, m_map.top - 18, m_map.right + 18, m_map.bottom + 18};
  GUI_WindowBackground::DrawTiled(frame, GUI_WindowBackground::PRESET_FRAME, 32.0f, 1.0f);
  DrawColorMap();
}

void GUI_ColorPicker::DrawColorMap() {
  m_mapSprite.SetSize(float(m_map.right - m_map.left), float(m_map.bottom - m_map.top));
  m_mapSprite.PlaceLocal(float((m_map.left + m_map.right) / 2), float((m_map.top + m_map.bottom) / 2));
  m_mapSprite.Draw();
}

bool GUI_ColorPicker::CheckClick(float fx, float fy) {
  const int x = int(fx), y = int(fy);
  if (m_map.left < x && x < m_map.right && m_map.top < y && y < m_map.bottom) {
    m_selected = GetColor(x, y);
    GUI_AvatarBuilder::Notify(0);
  }
  return false;
}
