#include "SIM_JobOffer.h"

#include "SIM_StandInLog.h"

void SIM_JobOffer::ProcessAll() { STAND_IN(); }
