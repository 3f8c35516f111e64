#include "HOOK_EveningClassType.h"

#include "SIM_StandInLog.h"

void HOOK_EveningClassType::Open() { SIM_StandInLog::Called("HOOK_EveningClassType::Open"); }
void HOOK_EveningClassType::GenerateReminders() { SIM_StandInLog::Called("HOOK_EveningClassType::GenerateReminders"); }
