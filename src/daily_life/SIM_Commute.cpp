#include "SIM_Commute.h"

#include "GTranslation.h"
#include "SIM_StandInLog.h"

SIM_Commute* SIM_GetCommute() {
  static SIM_Commute instance;
  return &instance;
}

void SIM_Commute::ProcessCommute() { STAND_IN(); }

SIM_CommuteMethod* SIM_Commute::GetMethod() {
  STAND_IN();
  return nullptr;
}

std::string SIM_Commute::GetMethodVerbData() {
  STAND_IN();
  return GTranslation::GetString("STANDIN_COMMUTE_VERB");
}

float SIM_Commute::GetTodaysCost() const {
  STAND_IN();
  return 0.0f;
}

void SIM_Commute::StartSound() { STAND_IN(); }

void SIM_Commute::StopSound() { STAND_IN(); }
