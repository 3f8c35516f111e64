#pragma once
// The player's drinking habit. Stand-in until the activities subsystem arrives: every call is
// logged once and recorded (SIM_StandInLog).
class SIM_Alcohol {
 public:
  void Process();
  float GetBloodAlcohol();  // zero until the habit is simulated
  float GetAddictionStrength();  // zero until the habit is simulated
};

SIM_Alcohol* HOOK_GetAlcohol();
