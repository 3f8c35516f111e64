#include "SIM_SocialInvitation.h"

#include "SIM_StandInLog.h"

void SIM_SocialInvitation::Clear() { STAND_IN(); }
void SIM_SocialInvitation::SnubOthers() { STAND_IN(); }
