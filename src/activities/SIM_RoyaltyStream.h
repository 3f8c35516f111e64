#pragma once
// Royalty cheques of finished projects. Stand-in until the activities subsystem arrives: the
// weekly step is logged and counted.
class SIM_RoyaltyStream {
 public:
  static void NextWeekAll();
  static void Open();  // stand-in, logged once and recorded (SIM_StandInLog)
  static int WeekCount;  // how often the weekly step ran
};
