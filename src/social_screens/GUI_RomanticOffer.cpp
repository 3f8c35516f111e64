#include "GUI_RomanticOffer.h"

#include "SIM_StandInLog.h"

SIM_NPC* GUI_RomanticOffer::PendingOffer = nullptr;

void GUI_RomanticOffer::Create(SIM_NPC* npc) {
  STAND_IN();
  PendingOffer = npc;
}
