#include "SIM_FoodMemory.h"

#include "SIM_StandInLog.h"

void SIM_FoodMemory::Open() { SIM_StandInLog::Called("SIM_FoodMemory::Open"); }
