#pragma once
// The dentist's appointment, every three to four weeks. Stand-in until the work and daily-life subsystem
// arrives: the nightly step is logged once and recorded (SIM_StandInLog).
#include "SIM_OccasionalEvent.h"

class SIM_Dentist : public SIM_OccasionalEvent {
 public:
  void NextDay() override;
};

SIM_Dentist* SIM_GetDentist();
