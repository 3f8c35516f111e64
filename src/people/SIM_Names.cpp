#include "SIM_Names.h"

#include "SIM_StandInLog.h"

void SIM_Names::Open() { STAND_IN(); }
void SIM_Names::Close() { STAND_IN(); }
