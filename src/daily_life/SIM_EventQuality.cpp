#include "SIM_EventQuality.h"

#include "GDebug.h"

int SIM_EventQuality::WeekCount = 0;

void SIM_EventQuality::NextWeekAll() {
  GStandIn("SIM_EventQuality::NextWeekAll");
  ++WeekCount;
}
