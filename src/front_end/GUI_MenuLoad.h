#pragma once
// The load-game menu. Stand-in until the real screen arrives: the menus' backdrop, and
// Escape back to the main menu.
#include "GUI_MenuStandIn.h"

class GUI_MenuLoad : public GUI_MenuStandIn {
 public:
  GUI_MenuLoad() : GUI_MenuStandIn("GUI_MenuLoad (load menu, game mode 6)") {}
};

// The one object, made on the first call and never freed.
GUI_MenuLoad* GUI_GetMenuLoad();
