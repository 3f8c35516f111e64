#include "SIM_SocialiseType.h"

#include "SIM_StandInLog.h"

void SIM_SocialiseType::Open() { STAND_IN(); }
void SIM_SocialiseType::Close() { STAND_IN(); }
