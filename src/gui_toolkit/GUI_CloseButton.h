#pragma once
// The "x" of a dialog (cells 4 and 5 of "smallbuttons.dds"): deletes the window that owns it.
#include "GUI_IconButton.h"

class GUI_CloseButton : public GUI_IconButton {
 public:
  GUI_CloseButton();

  // The click sound, then the owner's deletion (this button goes with it). Without an owner an
  // assertion fails and nothing else happens.
  void Click() override;
};
