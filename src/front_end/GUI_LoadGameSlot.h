#pragma once
// One row of the load menu: a click loads the save it names; a row with no save does nothing.
#include <string>

#include "GUI_SaveListMenu.h"

class GUI_LoadGameSlot : public GUI_SaveRow {
 public:
  explicit GUI_LoadGameSlot(const std::string& name) : GUI_SaveRow(name, "") {}
  void Click() override;
};
