#include "GUI_SocialInvitation.h"

#include "SIM_StandInLog.h"

void GUI_SocialInvitation::Clear() { STAND_IN(); }
