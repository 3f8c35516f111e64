#include "SIM_SocialiseType.h"

#include "SIM_StandInLog.h"

void SIM_SocialiseType::Open() { SIM_StandInLog::Called("SIM_SocialiseType::Open"); }
void SIM_SocialiseType::Close() { SIM_StandInLog::Called("SIM_SocialiseType::Close"); }
