#pragma once
// The common stand-in of the menu screens not built yet (options, currency chooser, new game,
// intro, save, load, credits): each shows the menus' backdrop, marks its own Activate as a
// stand-in, and goes back to the main menu on Escape.
#include <string>

#include "GUI_GameModeBase.h"

class GUI_MenuStandIn : public GUI_GameModeBase {
 public:
  void Draw() override;
  void HandleKey(unsigned key) override;
  std::string GetBestMusic() override { return "Results Menu.ogg"; }

  // The menus' backdrop: a quad one pixel larger than the screen on every side, dark slate at the
  // top shading to blue at the bottom, drawn untextured.
  static void DrawMenuBackdrop();
};
