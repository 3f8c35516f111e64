#pragma once
// The intro diary page. Stand-in until the real screen arrives: the menus' backdrop, and
// Escape back to the main menu.
#include "GUI_MenuStandIn.h"

class GUI_MenuIntro : public GUI_MenuStandIn {
 public:
  GUI_MenuIntro() : GUI_MenuStandIn("GUI_MenuIntro (intro diary, game mode 4)") {}
  std::string GetBestMusic() override { return "average_day.ogg"; }
};

// The one object, made on the first call and never freed.
GUI_MenuIntro* GUI_GetMenuIntro();
