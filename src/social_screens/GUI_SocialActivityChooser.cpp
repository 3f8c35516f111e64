#include "GUI_SocialActivityChooser.h"

#include "GDebug.h"
#include "GUI_EveningStandIn.h"

std::string GUI_SocialActivityChooser::LastScrolledTo;

void GUI_SocialActivityChooser::Create() { GUI_EveningStandIn::Toggle(GUI_EveningStandIn::KIND_SOCIAL); }

void GUI_SocialActivityChooser::Close() { GUI_EveningStandIn::Close(GUI_EveningStandIn::KIND_SOCIAL); }

bool GUI_SocialActivityChooser::IsOpen() { return GUI_EveningStandIn::IsOpen(GUI_EveningStandIn::KIND_SOCIAL); }

void GUI_SocialActivityChooser::ScrollToActivity(const char* name) {
  GStandIn("GUI_SocialActivityChooser::ScrollToActivity");
  LastScrolledTo = name ? name : "";
}

void GUI_SocialActivityChooser::CheckDropIcon(GUI_DragIcon*) {
  if (IsOpen()) GStandIn("GUI_SocialActivityChooser::CheckDropIcon (no guests yet)");
}

SIM_SocialiseType* GUI_SocialActivityChooser::GetSelectedType() {
  if (IsOpen()) GStandIn("GUI_SocialActivityChooser::GetSelectedType (no event types to pick yet)");
  return nullptr;
}

bool GUI_SocialActivityChooser::NPCAlreadyInvited(const SIM_NPC*) {
  if (IsOpen()) GStandIn("GUI_SocialActivityChooser::NPCAlreadyInvited (no guest list yet)");
  return false;
}
