#include "SIM_Romance.h"

#include "SIM_NPC.h"
#include "SIM_StandInLog.h"

SIM_Romance* SIM_GetRomance() {
  static SIM_Romance instance;
  return &instance;
}

void SIM_Romance::Reset() { STAND_IN(); }

SIM_NPC* SIM_Romance::GetPartner() {
  STAND_IN();
  return nullptr;
}

void SIM_Romance::GetDumped() { STAND_IN(); }
void SIM_Romance::RomanticOffer(SIM_NPC*) { STAND_IN(); }
