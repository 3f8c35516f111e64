#include "GUI_TeamInvite.h"

#include "SIM_StandInLog.h"

void GUI_TeamInvite::Create() { STAND_IN(); }
