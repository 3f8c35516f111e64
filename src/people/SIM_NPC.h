#pragma once
// The people of the town. Stand-in until the people subsystem arrives: only the weekly pay of the
// date step, logged and counted.
class SIM_NPC {
 public:
  static void GetPaidAll();
  // The day turn's calls; stand-ins, logged once and recorded (SIM_StandInLog).
  static void Open();
  static void Close();
  static void ProcessAllNPCS();
  static void ResetFlatteredByInviteAll();
  static void SetNobodyBusy();
  static int PaidCount;  // how often the weekly pay ran
};
