#include "SIM_SoloActivityType.h"

#include "SIM_StandInLog.h"

void SIM_SoloActivityType::Open() { SIM_StandInLog::Called("SIM_SoloActivityType::Open"); }
void SIM_SoloActivityType::Close() { SIM_StandInLog::Called("SIM_SoloActivityType::Close"); }
