#include "SIM_Crime.h"

#include "SIM_StandInLog.h"

SIM_Crime* SIM_GetCrime() {
  static SIM_Crime instance;
  return &instance;
}

void SIM_Crime::Initialise() { SIM_StandInLog::Called("SIM_Crime::Initialise"); }
void SIM_Crime::CheckForMugging() { SIM_StandInLog::Called("SIM_Crime::CheckForMugging"); }
void SIM_Crime::CheckForBurglary() { SIM_StandInLog::Called("SIM_Crime::CheckForBurglary"); }
