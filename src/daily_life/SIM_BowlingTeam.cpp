#include "SIM_BowlingTeam.h"

#include "SIM_StandInLog.h"

SIM_BowlingTeam* SIM_GetBowlingTeam() {
  static SIM_BowlingTeam team;
  return &team;
}

void SIM_BowlingTeam::NextDay() { STAND_IN(); }

void SIM_BowlingTeam::Reset() { STAND_IN(); }
