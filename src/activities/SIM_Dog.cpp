#include "SIM_Dog.h"

#include "SIM_StandInLog.h"

void SIM_Dog::AttackBurglar(SIM_Asset*) { STAND_IN(); }
