#include "GUI_NPCIcon.h"

#include "SIM_StandInLog.h"

void GUI_NPCIcon::PositionAll() { STAND_IN(); }
void GUI_NPCIcon::DrawAll() { STAND_IN(); }
void GUI_NPCIcon::CheckClickAll() { STAND_IN(); }
void GUI_NPCIcon::CheckRightClickAll() { STAND_IN(); }
void GUI_NPCIcon::ProcessInputAll() { STAND_IN(); }
