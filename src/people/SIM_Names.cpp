#include "SIM_Names.h"

#include "SIM_StandInLog.h"

void SIM_Names::Open() { SIM_StandInLog::Called("SIM_Names::Open"); }
void SIM_Names::Close() { SIM_StandInLog::Called("SIM_Names::Close"); }
