#pragma once
// The player's bowling team. Stand-in until the daily-life subsystem arrives: the daily step is
// logged.
class SIM_BowlingTeam {
 public:
  void NextDay();
  void Reset();  // stand-in, logged once and recorded (SIM_StandInLog)
  bool IsOnTeam() const;       // stand-in: never on the team
  bool HasBeenOnTeam() const;  // stand-in: never was
};

SIM_BowlingTeam* SIM_GetBowlingTeam();
