#pragma once
// The links between people. Stand-in until the people subsystem arrives: every call is logged once
// and recorded (SIM_StandInLog).
class SIM_Relationship {
 public:
  static void AllowPromotions();
};
