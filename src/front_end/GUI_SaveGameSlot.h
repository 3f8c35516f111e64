#pragma once
// One row of the save menu: a click puts the save's name into the name entry, so that Save writes
// over it. A row with no save shows that it is free and does nothing.
#include <string>

#include "GUI_SaveListMenu.h"

class GUI_SaveGameSlot : public GUI_SaveRow {
 public:
  explicit GUI_SaveGameSlot(const std::string& name);
  void Click() override;
};
