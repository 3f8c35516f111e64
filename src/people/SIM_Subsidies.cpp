#include "SIM_Subsidies.h"

#include "SIM_StandInLog.h"

void SIM_Subsidies::Add(SIM_NPC*) { STAND_IN(); }
void SIM_Subsidies::Clear() { STAND_IN(); }
void SIM_Subsidies::Pay(SIM_SocialiseType*, int) { STAND_IN(); }
