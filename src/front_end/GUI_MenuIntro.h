#pragma once
// The intro diary page. Stand-in until the real screen arrives: the menus' backdrop, and
// Escape back to the main menu.
#include "GUI_MenuStandIn.h"
#include "SIM_StandInLog.h"

class GUI_MenuIntro : public GUI_MenuStandIn {
 public:
  void Activate() override { STAND_IN(); }
  std::string GetBestMusic() override { return "average_day.ogg"; }
};

// The one object, made on the first call and never freed.
GUI_MenuIntro* GUI_GetMenuIntro();
