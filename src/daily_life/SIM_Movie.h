#pragma once
// The cinema's films. Stand-in until the daily-life subsystem arrives: the daily step is logged.
class SIM_Movie {
 public:
  static void NextDay();
  static void Open();   // stand-in, logged once and recorded (SIM_StandInLog)
  static void Close();  // stand-in, logged once and recorded
};
