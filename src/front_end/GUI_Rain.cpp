#include "GUI_Rain.h"

#include "SIM_StandInLog.h"

GUI_Rain* GUI_GetRain() {
  static GUI_Rain* rain = new GUI_Rain;
  return rain;
}

void GUI_Rain::Draw() { STAND_IN(); }
void GUI_Rain::PauseSounds() { STAND_IN(); }
void GUI_Rain::ResumeSounds() { STAND_IN(); }
