#include "SIM_Romance.h"

#include "SIM_NPC.h"
#include "SIM_StandInLog.h"

SIM_Romance* SIM_GetRomance() {
  static SIM_Romance instance;
  return &instance;
}

void SIM_Romance::Reset() { SIM_StandInLog::Called("SIM_Romance::Reset"); }

SIM_NPC* SIM_Romance::GetPartner() {
  SIM_StandInLog::Called("SIM_Romance::GetPartner");
  return nullptr;
}

void SIM_Romance::GetDumped() { SIM_StandInLog::Called("SIM_Romance::GetDumped"); }
void SIM_Romance::RomanticOffer(SIM_NPC*) { SIM_StandInLog::Called("SIM_Romance::RomanticOffer"); }
