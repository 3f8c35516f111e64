#include "SIM_InterestType.h"

#include "SIM_StandInLog.h"

void SIM_InterestType::Open() { SIM_StandInLog::Called("SIM_InterestType::Open"); }
void SIM_InterestType::Close() { SIM_StandInLog::Called("SIM_InterestType::Close"); }
