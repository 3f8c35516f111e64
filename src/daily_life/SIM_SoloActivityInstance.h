#pragma once
// The solo evenings under way. Stand-in until the work and daily-life subsystem arrives: every call
// is logged once and recorded (SIM_StandInLog).
class SIM_SoloActivityInstance {
 public:
  static void Open();
  static void Close();
};
