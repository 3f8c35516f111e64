#include "SIM_EventQuality.h"

#include "SIM_StandInLog.h"

int SIM_EventQuality::WeekCount = 0;

void SIM_EventQuality::NextWeekAll() {
  STAND_IN();
  ++WeekCount;
}
