#include "SIM_AchievementBase.h"

#include "SIM_StandInLog.h"

void SIM_AchievementBase::Open() { SIM_StandInLog::Called("SIM_AchievementBase::Open"); }
