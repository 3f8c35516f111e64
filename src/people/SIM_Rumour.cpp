#include "SIM_Rumour.h"

#include "SIM_StandInLog.h"

void SIM_Rumour::Open() { STAND_IN(); }
void SIM_Rumour::Close() { STAND_IN(); }
