#include "SIM_Crime.h"

#include "SIM_StandInLog.h"

SIM_Crime* SIM_GetCrime() {
  static SIM_Crime instance;
  return &instance;
}

void SIM_Crime::Initialise() { STAND_IN(); }
void SIM_Crime::CheckForMugging() { STAND_IN(); }
void SIM_Crime::CheckForBurglary() { STAND_IN(); }
