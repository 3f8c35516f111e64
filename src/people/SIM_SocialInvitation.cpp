#include "SIM_SocialInvitation.h"

#include "SIM_StandInLog.h"

void SIM_SocialInvitation::Clear() { SIM_StandInLog::Called("SIM_SocialInvitation::Clear"); }
void SIM_SocialInvitation::SnubOthers() { SIM_StandInLog::Called("SIM_SocialInvitation::SnubOthers"); }
