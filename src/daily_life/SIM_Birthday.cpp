#include "SIM_Birthday.h"

#include "SIM_StandInLog.h"

SIM_Birthday* SIM_GetBirthday() {
  static SIM_Birthday birthday;
  return &birthday;
}

void SIM_Birthday::ProcessBirthday() {
  STAND_IN();
  ++m_parties;
}

int SIM_Birthday::GetPartyGuests() const {
  STAND_IN();
  return 0;
}
