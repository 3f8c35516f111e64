#include "SIM_BowlingTeam.h"

#include "SIM_StandInLog.h"

SIM_BowlingTeam* SIM_GetBowlingTeam() {
  static SIM_BowlingTeam team;
  return &team;
}

void SIM_BowlingTeam::NextDay() { STAND_IN(); }

void SIM_BowlingTeam::Reset() { STAND_IN(); }

bool SIM_BowlingTeam::IsOnTeam() const {
  STAND_IN();
  return false;
}

bool SIM_BowlingTeam::HasBeenOnTeam() const {
  STAND_IN();
  return false;
}
