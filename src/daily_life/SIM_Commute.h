#pragma once
// One leg of the journey to or from work by the current method: the fare, the weather's stress,
// the method's scripts and the small incidents of the road, which it leaves as event keys for the
// diary pages of the trip.
#include <string>

class SIM_CommuteMethod;

class SIM_Commute {
 public:
  static SIM_CommuteMethod* GetMethod();
  static std::string GetMethodVerbData();

  void ProcessCommute();
  float GetTodaysCost() const { return m_todaysCost; }
  // False in a car, a taxi or on a motorbike: nobody mugs a moving vehicle.
  bool Muggable() const;
  // The current method's sound, from the trip's page opening to its closing.
  void StartSound() const;
  void StopSound() const;

 private:
  float m_todaysCost = 0.0f;
};

SIM_Commute* SIM_GetCommute();
