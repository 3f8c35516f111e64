#include "SIM_FoodMemory.h"

#include "SIM_StandInLog.h"

void SIM_FoodMemory::Open() { STAND_IN(); }
