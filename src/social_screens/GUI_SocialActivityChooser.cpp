#include "GUI_SocialActivityChooser.h"

#include "GUI_EveningStandIn.h"
#include "SIM_StandInLog.h"

std::string GUI_SocialActivityChooser::LastScrolledTo;

void GUI_SocialActivityChooser::Create() {
  STAND_IN();  // the evening stand-in window in its place
  GUI_EveningStandIn::Toggle(GUI_EveningStandIn::KIND_SOCIAL);
}

void GUI_SocialActivityChooser::Close() { GUI_EveningStandIn::Close(GUI_EveningStandIn::KIND_SOCIAL); }

bool GUI_SocialActivityChooser::IsOpen() { return GUI_EveningStandIn::IsOpen(GUI_EveningStandIn::KIND_SOCIAL); }

void GUI_SocialActivityChooser::ScrollToActivity(const char* name) {
  STAND_IN();
  LastScrolledTo = name ? name : "";
}

void GUI_SocialActivityChooser::CheckDropIcon(GUI_DragIcon*) {
  if (IsOpen()) STAND_IN();  // no guests yet
}

SIM_SocialiseType* GUI_SocialActivityChooser::GetSelectedType() {
  if (IsOpen()) STAND_IN();
  return nullptr;
}

bool GUI_SocialActivityChooser::NPCAlreadyInvited(const SIM_NPC*) {
  if (IsOpen()) STAND_IN();
  return false;
}
