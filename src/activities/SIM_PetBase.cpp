#include "SIM_PetBase.h"

#include "SIM_StandInLog.h"

void SIM_PetBase::Open() { SIM_StandInLog::Called("SIM_PetBase::Open"); }
void SIM_PetBase::ClearReminders() { SIM_StandInLog::Called("SIM_PetBase::ClearReminders"); }
