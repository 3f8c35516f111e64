#include "GUI_NPCIcon.h"

#include "SIM_StandInLog.h"

GUI_NPCIcon* GUI_NPCIcon::Create(SIM_NPC* npc) {
  STAND_IN();
  return new GUI_NPCIcon(npc);
}

void GUI_NPCIcon::PositionAll() { STAND_IN(); }
void GUI_NPCIcon::DrawAll() { STAND_IN(); }
void GUI_NPCIcon::CheckClickAll() { STAND_IN(); }
void GUI_NPCIcon::CheckRightClickAll() { STAND_IN(); }
void GUI_NPCIcon::ProcessInputAll() { STAND_IN(); }
