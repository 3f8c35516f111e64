#pragma once
// One leg of the journey to or from work. Stand-in until the work and daily-life subsystem arrives:
// every call is logged once and recorded (SIM_StandInLog).
class SIM_Commute {
 public:
  void ProcessCommute();
};

SIM_Commute* SIM_GetCommute();
