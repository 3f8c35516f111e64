#include "SIM_RoyaltyStream.h"

#include "GDebug.h"
#include "SIM_StandInLog.h"

int SIM_RoyaltyStream::WeekCount = 0;

void SIM_RoyaltyStream::NextWeekAll() {
  GStandIn("SIM_RoyaltyStream::NextWeekAll");
  ++WeekCount;
}

void SIM_RoyaltyStream::Open() { SIM_StandInLog::Called("SIM_RoyaltyStream::Open"); }
