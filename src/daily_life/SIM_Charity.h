#pragma once
// The charity run, roughly once a month. Stand-in until the work and daily-life subsystem
// arrives: the nightly step is logged once and recorded (SIM_StandInLog).
#include "SIM_OccasionalEvent.h"

class SIM_Charity : public SIM_OccasionalEvent {
 public:
  void NextDay() override;
};

SIM_Charity* SIM_GetCharity();
