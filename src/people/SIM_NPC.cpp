#include "SIM_NPC.h"

#include "SIM_StandInLog.h"

int SIM_NPC::PaidCount = 0;

void SIM_NPC::GetPaidAll() {
  STAND_IN();
  ++PaidCount;
}

void SIM_NPC::Open() { STAND_IN(); }
void SIM_NPC::Close() { STAND_IN(); }
void SIM_NPC::ProcessAllNPCS() { STAND_IN(); }
void SIM_NPC::ResetFlatteredByInviteAll() { STAND_IN(); }
void SIM_NPC::SetNobodyBusy() { STAND_IN(); }
