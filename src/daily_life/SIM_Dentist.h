#pragma once
// The dentist's appointment, every three to four weeks: the practice rings a week ahead, and the
// hook "dentist" takes down the reminder note and seats the player in the chair (GUI_Dentist).
#include "SIM_OccasionalEvent.h"

class SIM_Dentist : public SIM_OccasionalEvent {
 public:
  SIM_Dentist();
  void TriggerMessage() override;
  void ProcessEvent();  // the visit

 protected:
  const char* NightlyMark() const override { return "SIM_Dentist::NextDay"; }
};

SIM_Dentist* SIM_GetDentist();
