#pragma once
// The rumours going round the town. Stand-in until the people subsystem arrives: every call is
// logged once and recorded (SIM_StandInLog).
class SIM_Rumour {
 public:
  static void Open();
  static void Close();
};
