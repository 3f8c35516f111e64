#include "SIM_SoloActivityInstance.h"

#include "SIM_StandInLog.h"

void SIM_SoloActivityInstance::Open() { STAND_IN(); }
void SIM_SoloActivityInstance::Close() { STAND_IN(); }
