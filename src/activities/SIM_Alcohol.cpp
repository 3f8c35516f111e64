#include "SIM_Alcohol.h"

#include "SIM_StandInLog.h"

SIM_Alcohol* HOOK_GetAlcohol() {
  static SIM_Alcohol instance;
  return &instance;
}

void SIM_Alcohol::Process() { SIM_StandInLog::Called("SIM_Alcohol::Process"); }
