#pragma once
// The kinds of evening the player spends alone. Stand-in until the work and daily-life subsystem
// arrives: every call is logged once and recorded (SIM_StandInLog).
class SIM_SoloActivityType {
 public:
  static void Open();
  static void Close();
};
