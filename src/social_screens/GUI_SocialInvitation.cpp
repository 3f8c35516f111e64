#include "GUI_SocialInvitation.h"

#include "SIM_StandInLog.h"

void GUI_SocialInvitation::Clear() { SIM_StandInLog::Called("GUI_SocialInvitation::Clear"); }
