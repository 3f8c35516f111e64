#include "GUI_Snow.h"

#include "SIM_StandInLog.h"

GUI_Snow* GUI_GetSnow() {
  static GUI_Snow* snow = new GUI_Snow;
  return snow;
}

void GUI_Snow::Draw() { STAND_IN(); }
