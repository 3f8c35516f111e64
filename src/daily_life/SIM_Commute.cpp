#include "SIM_Commute.h"

#include "SIM_StandInLog.h"

SIM_Commute* SIM_GetCommute() {
  static SIM_Commute instance;
  return &instance;
}

void SIM_Commute::ProcessCommute() { STAND_IN(); }
