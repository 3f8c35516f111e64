#pragma once
// The save-game menu. Stand-in until the real screen arrives: the menus' backdrop, and
// Escape back to the main menu.
#include "GUI_MenuStandIn.h"
#include "SIM_StandInLog.h"

class GUI_MenuSave : public GUI_MenuStandIn {
 public:
  void Activate() override { STAND_IN(); }
};

// The one object, made on the first call and never freed.
GUI_MenuSave* GUI_GetMenuSave();
