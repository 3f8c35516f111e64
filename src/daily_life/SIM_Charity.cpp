#include "SIM_Charity.h"

#include "SIM_StandInLog.h"

SIM_Charity* SIM_GetCharity() {
  static SIM_Charity instance;
  return &instance;
}

void SIM_Charity::NextDay() { STAND_IN(); }
