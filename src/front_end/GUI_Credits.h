#pragma once
// The credits. Stand-in until the real screen arrives: the menus' backdrop, and
// Escape back to the main menu.
#include "GUI_MenuStandIn.h"

class GUI_Credits : public GUI_MenuStandIn {
 public:
  GUI_Credits() : GUI_MenuStandIn("GUI_Credits (credits, game mode 8)") {}
};

// The one object, made on the first call and never freed.
GUI_Credits* GUI_GetCredits();
