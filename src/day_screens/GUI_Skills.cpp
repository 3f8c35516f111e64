#include "GUI_Skills.h"

#include "GDebug.h"

GUI_Skills* GUI_Skills::PTheWindow = nullptr;

GUI_Indicator* GUI_Skills::GetIndicator(const std::string&) {
  GStandIn("GUI_Skills::GetIndicator (skills panel not built yet)");
  return nullptr;
}

void GUI_Skills::Refresh() { GStandIn("GUI_Skills::Refresh (skills panel not built yet)"); }
