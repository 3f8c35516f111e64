#include "GUI_NoMoneyDialog.h"

#include "SIM_NPC.h"
#include "SIM_StandInLog.h"

void GUI_NoMoneyDialog::Create(SIM_SocialiseType*, SIM_NPC* npc) {
  STAND_IN();
  // The real dialog's refusal is appreciated by the guest, as this answer is.
  if (npc) npc->AppreciateRejectedInvite();
}
