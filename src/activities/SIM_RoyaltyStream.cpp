#include "SIM_RoyaltyStream.h"

#include "SIM_StandInLog.h"

int SIM_RoyaltyStream::WeekCount = 0;

void SIM_RoyaltyStream::NextWeekAll() {
  STAND_IN();
  ++WeekCount;
}

void SIM_RoyaltyStream::Open() { STAND_IN(); }
