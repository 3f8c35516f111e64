#include "SIM_Romance.h"

#include <algorithm>

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

void SIM_Romance::ApplyRomanticCredit(float amount) {
  STAND_IN();
  m_romanticCredit = std::clamp(m_romanticCredit + amount, -1.0f, 1.0f);
}

void SIM_Romance::ResetDaysApart() { STAND_IN(); }
