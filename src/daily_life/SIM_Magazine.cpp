#include "SIM_Magazine.h"

#include "SIM_StandInLog.h"

void SIM_Magazine::Open() { SIM_StandInLog::Called("SIM_Magazine::Open"); }
void SIM_Magazine::UpdateAll() { SIM_StandInLog::Called("SIM_Magazine::UpdateAll"); }
