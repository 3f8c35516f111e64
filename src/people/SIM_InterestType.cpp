#include "SIM_InterestType.h"

#include "SIM_StandInLog.h"

void SIM_InterestType::Open() { STAND_IN(); }
void SIM_InterestType::Close() { STAND_IN(); }
