#include "SIM_Dentist.h"

#include "ActivityHooks.h"
#include "GTranslation.h"
#include "GUI_Dentist.h"
#include "GUI_Postit.h"
#include "SIM_StandInLog.h"

SIM_Dentist* SIM_GetDentist() {
  static SIM_Dentist instance;
  return &instance;
}

void SIM_Dentist::NextDay() { STAND_IN(); }

void SIM_Dentist::ProcessEvent() {
  GUI_Postit::RemoveByText(GTranslation::GetString("DENTIST_REMINDER"));
  GUI_Dentist::Create();
}

void SIM_HookDentist() { SIM_GetDentist()->ProcessEvent(); }
