#include "SIM_JobUnlocks.h"

#include "SIM_StandInLog.h"

SIM_JobUnlocks* SIM_GetJobUnlocks() {
  static SIM_JobUnlocks instance;
  return &instance;
}

void SIM_JobUnlocks::Reset() { STAND_IN(); }
void SIM_JobUnlocks::NextDay() { STAND_IN(); }
