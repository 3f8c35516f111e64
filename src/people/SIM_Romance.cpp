#include "SIM_Romance.h"

#include "SIM_StandInLog.h"

SIM_Romance* SIM_GetRomance() {
  static SIM_Romance instance;
  return &instance;
}

void SIM_Romance::Reset() { STAND_IN(); }
