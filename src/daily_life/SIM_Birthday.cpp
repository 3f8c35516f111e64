#include "SIM_Birthday.h"

#include "GDebug.h"

SIM_Birthday* SIM_GetBirthday() {
  static SIM_Birthday birthday;
  return &birthday;
}

void SIM_Birthday::ProcessBirthday() {
  GStandIn("SIM_Birthday::ProcessBirthday");
  ++m_parties;
}
