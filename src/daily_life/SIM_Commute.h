#pragma once
// One leg of the journey to or from work. Stand-in until the work and daily-life subsystem arrives:
// every call is logged once and recorded (SIM_StandInLog).
#include <string>

class SIM_CommuteMethod;

class SIM_Commute {
 public:
  void ProcessCommute();
  // Stand-ins for the trip pages, logged once: no method, a plain way of going, free trips, no
  // sound.
  static SIM_CommuteMethod* GetMethod();
  static std::string GetMethodVerbData();
  float GetTodaysCost() const;
  void StartSound();
  void StopSound();
};

SIM_Commute* SIM_GetCommute();
