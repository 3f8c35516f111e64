#include "GUI_Fireworks.h"

#include "SIM_StandInLog.h"

GUI_Fireworks* GetFireworks() {
  static GUI_Fireworks fireworks;
  return &fireworks;
}

void GUI_Fireworks::FireworkDisplay() { STAND_IN(); }

void GUI_Fireworks::Draw() { STAND_IN(); }
