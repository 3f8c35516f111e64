#include "SIM_Relationship.h"

#include "SIM_StandInLog.h"

void SIM_Relationship::AllowPromotions() { STAND_IN(); }
