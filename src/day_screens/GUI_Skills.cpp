#include "GUI_Skills.h"

#include "SIM_StandInLog.h"

GUI_Skills* GUI_Skills::PTheWindow = nullptr;

GUI_Indicator* GUI_Skills::GetIndicator(const std::string&) {
  STAND_IN();
  return nullptr;
}

void GUI_Skills::Refresh() { STAND_IN(); }
