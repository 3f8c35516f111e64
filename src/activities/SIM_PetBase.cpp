#include "SIM_PetBase.h"

#include "SIM_StandInLog.h"

void SIM_PetBase::Open() { STAND_IN(); }
void SIM_PetBase::ClearReminders() { STAND_IN(); }
