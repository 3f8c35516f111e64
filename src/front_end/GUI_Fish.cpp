#include "GUI_Fish.h"

#include "SIM_StandInLog.h"

GUI_Fish* GUI_GetFish() {
  static GUI_Fish* fish = new GUI_Fish;
  return fish;
}

void GUI_Fish::Draw() { STAND_IN(); }
