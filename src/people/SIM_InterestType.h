#pragma once
// The kinds of interest people have ("data/simulation/interests.csv"). Stand-in until the people
// subsystem arrives: every call is logged once and recorded (SIM_StandInLog).
class SIM_InterestType {
 public:
  static void Open();
  static void Close();
};
