#include "SIM_NPC.h"

#include "GDebug.h"
#include "SIM_StandInLog.h"

int SIM_NPC::PaidCount = 0;

void SIM_NPC::GetPaidAll() {
  GStandIn("SIM_NPC::GetPaidAll");
  ++PaidCount;
}

void SIM_NPC::Open() { SIM_StandInLog::Called("SIM_NPC::Open"); }
void SIM_NPC::Close() { SIM_StandInLog::Called("SIM_NPC::Close"); }
void SIM_NPC::ProcessAllNPCS() { SIM_StandInLog::Called("SIM_NPC::ProcessAllNPCS"); }
void SIM_NPC::ResetFlatteredByInviteAll() { SIM_StandInLog::Called("SIM_NPC::ResetFlatteredByInviteAll"); }
void SIM_NPC::SetNobodyBusy() { SIM_StandInLog::Called("SIM_NPC::SetNobodyBusy"); }
