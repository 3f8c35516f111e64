#include "GUI_SocialInvitation.h"

#include "SIM_StandInLog.h"

void GUI_SocialInvitation::Create(SIM_SocialInvitation*) { STAND_IN(); }
void GUI_SocialInvitation::Clear() { STAND_IN(); }
SIM_NPC* GUI_SocialInvitation::OrganiserOf(SIM_SocialInvitation*) { return nullptr; }
