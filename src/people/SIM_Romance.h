#pragma once
// The player's romance. Stand-in until the people subsystem arrives: every call is logged once and
// recorded (SIM_StandInLog).
class SIM_Romance {
 public:
  void Reset();
};

SIM_Romance* SIM_GetRomance();
