#pragma once
// The royalty report. Stand-in until the activities subsystem arrives: every call is logged once
// and recorded (SIM_StandInLog).
class GUI_RoyaltyReport {
 public:
  static void Create();  // from its phone message
  static void Close();
};
