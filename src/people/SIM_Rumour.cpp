#include "SIM_Rumour.h"

#include "SIM_StandInLog.h"

void SIM_Rumour::Open() { SIM_StandInLog::Called("SIM_Rumour::Open"); }
void SIM_Rumour::Close() { SIM_StandInLog::Called("SIM_Rumour::Close"); }
