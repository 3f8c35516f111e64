#include "GUI_PhoneMessage.h"

#include "SIM_StandInLog.h"

SIM_SpecialEvent* GUI_PhoneMessage::LastSpecialEvent = nullptr;

void GUI_PhoneMessage::CreateSpecialEvent(SIM_SpecialEvent* event) {
  STAND_IN();
  LastSpecialEvent = event;
}

void GUI_PhoneMessage::Clear() { STAND_IN(); }
void GUI_PhoneMessage::InputPending() { STAND_IN(); }
void GUI_PhoneMessage::PrepareNPCMessage(SIM_NPC*, const std::string&) {
  STAND_IN();
}
void GUI_PhoneMessage::CreateNewFriend(SIM_NPC*) { STAND_IN(); }

void GUI_PhoneMessage::CreateNPCMessage(SIM_NPC*, const std::string&) { STAND_IN(); }

void GUI_PhoneMessage::CreateSocialInvite(SIM_SocialInvitation*) { STAND_IN(); }
void GUI_PhoneMessage::DeleteInvite(SIM_SocialInvitation*) { STAND_IN(); }
void GUI_PhoneMessage::ClearAll() { STAND_IN(); }
