#include "SIM_JobEvent.h"

#include "SIM_StandInLog.h"

void SIM_JobEvent::Open() { SIM_StandInLog::Called("SIM_JobEvent::Open"); }
