#include "GUI_Lightning.h"

#include "SIM_StandInLog.h"

GUI_Lightning* GUI_GetLightning() {
  static GUI_Lightning lightning;
  return &lightning;
}

void GUI_Lightning::PrepareNextStrike() { STAND_IN(); }
void GUI_Lightning::Draw() { STAND_IN(); }
void GUI_Lightning::DrawSheet() { STAND_IN(); }
