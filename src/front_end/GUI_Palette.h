#pragma once
// The three interface colours of the day: a warm set, or a cold set on snowy days. Window
// backgrounds, tab buttons and asset icons are tinted with them. Not saved with a game.
#include "LibColor.h"

class GUI_Palette {
 public:
  enum PALETTEID { PALETTE_0 = 0, PALETTE_1 = 1, PALETTE_2 = 2, PALETTE_COUNT = 3 };

  GUI_Palette();  // the default set
  LibColor GetColor(PALETTEID id) const;  // a copy; colour 0 for an id out of range
  void Initialise();  // the default set
  void NextDay();     // the snowy set while any snow falls, else the default set

 private:
  void Apply(bool snowy);
  LibColor m_colours[PALETTE_COUNT];
};

GUI_Palette* GUI_GetPalette();
