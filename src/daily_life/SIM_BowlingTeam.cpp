#include "SIM_BowlingTeam.h"

#include "GDebug.h"
#include "SIM_StandInLog.h"

SIM_BowlingTeam* SIM_GetBowlingTeam() {
  static SIM_BowlingTeam team;
  return &team;
}

void SIM_BowlingTeam::NextDay() { GStandIn("SIM_BowlingTeam::NextDay"); }

void SIM_BowlingTeam::Reset() { SIM_StandInLog::Called("SIM_BowlingTeam::Reset"); }
