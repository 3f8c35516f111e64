#include "HOOK_EveningClassType.h"

#include "SIM_StandInLog.h"

void HOOK_EveningClassType::Open() { STAND_IN(); }
void HOOK_EveningClassType::GenerateReminders() { STAND_IN(); }
void HOOK_EveningClassType::ClearReminders() { STAND_IN(); }
