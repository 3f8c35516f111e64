#include "SIM_AchievementBase.h"

#include "SIM_StandInLog.h"

void SIM_AchievementBase::Open() { STAND_IN(); }
void SIM_AchievementBase::AddAchievement(const char*) { STAND_IN(); }
