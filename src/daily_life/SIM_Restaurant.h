#pragma once
// The town's restaurants. Stand-in until the daily-life subsystem arrives: the daily rumours are
// logged.
class SIM_Restaurant {
 public:
  static void GenerateRumoursAll();
  // Stand-ins, logged once and recorded (SIM_StandInLog).
  static void Open();
  static void CalculateTableAvailabilityAll();
};
