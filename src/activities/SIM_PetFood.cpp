#include "SIM_PetFood.h"

#include "SIM_StandInLog.h"

void SIM_PetFood::Open() { STAND_IN(); }
