#include "GUI_NPCIcon.h"

#include "SIM_StandInLog.h"

GUI_NPCIcon* GUI_NPCIcon::Create(SIM_NPC* npc) {
  SIM_StandInLog::Called("GUI_NPCIcon::Create");
  return new GUI_NPCIcon(npc);
}

void GUI_NPCIcon::PositionAll() { SIM_StandInLog::Called("GUI_NPCIcon::PositionAll"); }
