#pragma once
// The save-game menu. Stand-in until the real screen arrives: the menus' backdrop, and
// Escape back to the main menu.
#include "GUI_MenuStandIn.h"

class GUI_MenuSave : public GUI_MenuStandIn {
 public:
  GUI_MenuSave() : GUI_MenuStandIn("GUI_MenuSave (save menu, game mode 5)") {}
};

// The one object, made on the first call and never freed.
GUI_MenuSave* GUI_GetMenuSave();
