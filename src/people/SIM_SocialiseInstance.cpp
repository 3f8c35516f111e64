#include "SIM_SocialiseInstance.h"

#include "SIM_StandInLog.h"

void SIM_SocialiseInstance::Open() { STAND_IN(); }
void SIM_SocialiseInstance::Close() { STAND_IN(); }
