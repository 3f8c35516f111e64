#include "GUI_JobOffer.h"

#include "SIM_StandInLog.h"

void GUI_JobOffer::Create(SIM_JobOffer*, GUI_PhoneMessage*) { STAND_IN(); }
void GUI_JobUnlock::Create(SIM_NPC*, GUI_PhoneMessage*, SIM_JobBase*) { STAND_IN(); }
