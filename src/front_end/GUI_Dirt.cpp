#include "GUI_Dirt.h"

#include "SIM_StandInLog.h"

GUI_Dirt* GUI_GetDirt() {
  static GUI_Dirt dirt;
  return &dirt;
}

void GUI_Dirt::Process() { STAND_IN(); }
void GUI_Dirt::Initialise() { STAND_IN(); }
void GUI_Dirt::Clean() { STAND_IN(); }
void GUI_Dirt::Draw() { STAND_IN(); }
