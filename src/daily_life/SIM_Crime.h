#pragma once
// Muggings and burglaries. Stand-in until the work and daily-life subsystem arrives: every call is
// logged once and recorded (SIM_StandInLog).
class SIM_Crime {
 public:
  void Initialise();
  void CheckForMugging();
  void CheckForBurglary();
};

SIM_Crime* SIM_GetCrime();
