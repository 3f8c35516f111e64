#include "SIM_JobOffer.h"

#include "SIM_StandInLog.h"

void SIM_JobOffer::ProcessAll() { SIM_StandInLog::Called("SIM_JobOffer::ProcessAll"); }
