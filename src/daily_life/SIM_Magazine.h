#pragma once
// The magazine titles ("data/simulation/magazines.csv"). Stand-in until the work and daily-life
// subsystem arrives: every call is logged once and recorded (SIM_StandInLog).
class SIM_Magazine {
 public:
  static void Open();
  static void UpdateAll();
};
