#include "SIM_JobEvent.h"

#include "SIM_StandInLog.h"

void SIM_JobEvent::Open() { STAND_IN(); }
