#pragma once
// The evening classes. Stand-in until the activities subsystem arrives: every call is logged once
// and recorded (SIM_StandInLog).
class HOOK_EveningClassType {
 public:
  static void Open();
  static void GenerateReminders();
  static void ClearReminders();  // the post-its are all closed
};
