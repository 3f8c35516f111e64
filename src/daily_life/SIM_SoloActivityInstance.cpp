#include "SIM_SoloActivityInstance.h"

#include "SIM_StandInLog.h"

void SIM_SoloActivityInstance::Open() { SIM_StandInLog::Called("SIM_SoloActivityInstance::Open"); }
void SIM_SoloActivityInstance::Close() { SIM_StandInLog::Called("SIM_SoloActivityInstance::Close"); }
