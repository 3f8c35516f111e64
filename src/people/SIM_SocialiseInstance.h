#pragma once
// The social evenings under way. Stand-in until the people subsystem arrives: every call is logged
// once and recorded (SIM_StandInLog).
class SIM_SocialiseInstance {
 public:
  static void Open();
  static void Close();
};
