#pragma once
// The player's pets. Stand-in until the activities subsystem arrives: every call is logged once and
// recorded (SIM_StandInLog).
class SIM_PetBase {
 public:
  static void Open();
  static void ClearReminders();
};
