#pragma once
// The pools of surnames, forenames and town names. Stand-in until the people subsystem arrives:
// every call is logged once and recorded (SIM_StandInLog).
class SIM_Names {
 public:
  static void Open();
  static void Close();
};
