#pragma once
// A developer's view of the words the player's description chooses from: each adjective and noun
// candidate with its weight and its adjuster as bars. At most one is open; nothing in the game
// opens it.
#include "GUI_Dialog.h"

class GUI_DescriptionDebugger : public GUI_Dialog {
 public:
  static GUI_DescriptionDebugger* Create();

  GUI_DescriptionDebugger();
  ~GUI_DescriptionDebugger() override;

  void Draw() override;

  static GUI_DescriptionDebugger* PTheWindow;
};
