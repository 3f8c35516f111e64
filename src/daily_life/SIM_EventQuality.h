#pragma once
// The week-by-week quality of recurring events. Stand-in until the daily-life subsystem arrives:
// the weekly step is logged and counted.
class SIM_EventQuality {
 public:
  static void NextWeekAll();
  static int WeekCount;  // how often the weekly step ran
};
