#include "SIM_SocialiseInstance.h"

#include "SIM_StandInLog.h"

void SIM_SocialiseInstance::Open() { SIM_StandInLog::Called("SIM_SocialiseInstance::Open"); }
void SIM_SocialiseInstance::Close() { SIM_StandInLog::Called("SIM_SocialiseInstance::Close"); }
