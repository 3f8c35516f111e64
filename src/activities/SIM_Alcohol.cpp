#include "SIM_Alcohol.h"

#include "SIM_StandInLog.h"

SIM_Alcohol* HOOK_GetAlcohol() {
  static SIM_Alcohol instance;
  return &instance;
}

void SIM_Alcohol::Process() { STAND_IN(); }

float SIM_Alcohol::GetBloodAlcohol() {
  STAND_IN();
  return 0.0f;
}

float SIM_Alcohol::GetAddictionStrength() {
  STAND_IN();
  return 0.0f;
}
