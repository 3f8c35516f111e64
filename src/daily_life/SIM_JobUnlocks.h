#pragma once
// The jobs a best friend can put in a word for. Stand-in until the work and daily-life subsystem
// arrives: every call is logged once and recorded (SIM_StandInLog).
class SIM_JobUnlocks {
 public:
  void Reset();
  void NextDay();
};

SIM_JobUnlocks* SIM_GetJobUnlocks();
