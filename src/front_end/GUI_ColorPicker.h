#pragma once
// The colour map of the avatar builder: six hue segments left to right and a grey strip at the
// right edge, blended toward white above the middle and toward black below it. The colour is
// computed from the position (GetColor); the picture "colorpicker.bmp" only shows it, and is made
// from the same computation by tools/colorpicker.
#include "CTexturedSprite.h"
#include "GUI_WindowBase.h"
#include "LibColor.h"
#include "Win32Types.h"

class GUI_ColorPicker : public GUI_WindowBase {
 public:
  GUI_ColorPicker();
  void Draw() override;
  void ProcessInput() override {}
  // Only a click strictly inside the map acts: it selects that colour and tints the builder's
  // current layer. The answer is always false, so the click goes on to the other windows.
  bool CheckClick(float x, float y) override;

  // The colour at (x, y) of the current map.
  LibColor GetColor(int x, int y) const { return ColorInMap(m_map, x, y); }
  // The same for any map rectangle; the picture maker uses it too.
  static LibColor ColorInMap(const RECT& map, int x, int y);
  void SetSelectedColor(LibColor colour) { m_selected = colour; }
  LibColor GetSelectedColor() const { return m_selected; }
  void DrawColorMap();
  // The map's rectangle: set by every draw, empty before the first.
  const RECT& GetMap() const { return m_map; }

 private:
  RECT m_map{0, 0, 0, 0};
  LibColor m_selected{255, 255, 255, 255};
  CTexturedSprite m_mapSprite;
};
