#pragma once
// The currency chooser. Stand-in until the real screen arrives: the menus' backdrop, and
// Escape back to the main menu.
#include "GUI_MenuStandIn.h"

class GUI_CurrencyChooser : public GUI_MenuStandIn {
 public:
  GUI_CurrencyChooser() : GUI_MenuStandIn("GUI_CurrencyChooser (currency chooser, game mode 2)") {}
};

// The one object, made on the first call and never freed.
GUI_CurrencyChooser* GUI_GetCurrencyChooser();
