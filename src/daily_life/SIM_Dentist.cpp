#include "SIM_Dentist.h"

#include "SIM_StandInLog.h"

SIM_Dentist* SIM_GetDentist() {
  static SIM_Dentist instance;
  return &instance;
}

void SIM_Dentist::NextDay() { STAND_IN(); }
