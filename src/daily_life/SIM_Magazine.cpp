#include "SIM_Magazine.h"

#include "SIM_StandInLog.h"

void SIM_Magazine::Open() { STAND_IN(); }
void SIM_Magazine::UpdateAll() { STAND_IN(); }
