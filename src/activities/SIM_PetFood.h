#pragma once
// The stored pet meals. Stand-in until the activities subsystem arrives: every call is logged once
// and recorded (SIM_StandInLog).
#include <string>

class SIM_Asset;

class SIM_PetFood {
 public:
  // The asset factory's pet food: until the pets arrive, a plain asset of the row.
  static SIM_Asset* Create(const std::string& petType);
  static void Open();
};
