#pragma once
// The meals the player remembers. Stand-in until the work and daily-life subsystem arrives: every
// call is logged once and recorded (SIM_StandInLog).
class SIM_FoodMemory {
 public:
  static void Open();
};
