#pragma once
// The dentist's appointment, every three to four weeks. The visit is built: the hook "dentist"
// takes down the reminder note and seats the player in the chair (GUI_Dentist). The appointment
// book is still a stand-in: the nightly step is logged once and recorded (SIM_StandInLog).
#include "SIM_OccasionalEvent.h"

class SIM_Dentist : public SIM_OccasionalEvent {
 public:
  void NextDay() override;
  void ProcessEvent();  // the visit
};

SIM_Dentist* SIM_GetDentist();
