#pragma once
// The stored pet meals. Stand-in until the activities subsystem arrives: every call is logged once
// and recorded (SIM_StandInLog).
class SIM_PetFood {
 public:
  static void Open();
};
