#pragma once
// The one-line description of the player character at the bottom right of the in-game screen,
// redrawn every frame with the latest sentence. One instance, made by GUI_GetDescription(); the
// in-game mode calls Initialise at a new game.
#include "GUI_WindowBase.h"

class GUI_Description : public GUI_WindowBase {
 public:
  GUI_Description();

  void Initialise();  // 504 x 25 ending at x 1004, registered
  bool CheckClick(float x, float y) override;  // takes clicks on the line, does nothing with them
  void Draw() override;
};

GUI_Description* GUI_GetDescription();
