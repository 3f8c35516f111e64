#include "SIM_Relationship.h"

#include "SIM_StandInLog.h"

void SIM_Relationship::AllowPromotions() { SIM_StandInLog::Called("SIM_Relationship::AllowPromotions"); }
