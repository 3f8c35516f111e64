#include "SIM_PetFood.h"

#include "SIM_StandInLog.h"

void SIM_PetFood::Open() { SIM_StandInLog::Called("SIM_PetFood::Open"); }
