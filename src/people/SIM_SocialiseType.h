#pragma once
// The kinds of social evening. Stand-in until the people subsystem arrives: every call is logged
// once and recorded (SIM_StandInLog).
class SIM_SocialiseType {
 public:
  static void Open();
  static void Close();
};
