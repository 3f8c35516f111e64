#include "SIM_JobUnlocks.h"

#include "SIM_StandInLog.h"

SIM_JobUnlocks* SIM_GetJobUnlocks() {
  static SIM_JobUnlocks instance;
  return &instance;
}

void SIM_JobUnlocks::Reset() { SIM_StandInLog::Called("SIM_JobUnlocks::Reset"); }
void SIM_JobUnlocks::NextDay() { SIM_StandInLog::Called("SIM_JobUnlocks::NextDay"); }
