#include "GUI_PhoneMessage.h"

#include "GDebug.h"
#include "SIM_StandInLog.h"

SIM_SpecialEvent* GUI_PhoneMessage::LastSpecialEvent = nullptr;

void GUI_PhoneMessage::CreateSpecialEvent(SIM_SpecialEvent* event) {
  GStandIn("GUI_PhoneMessage::CreateSpecialEvent");
  LastSpecialEvent = event;
}

void GUI_PhoneMessage::Clear() { SIM_StandInLog::Called("GUI_PhoneMessage::Clear"); }
void GUI_PhoneMessage::InputPending() { SIM_StandInLog::Called("GUI_PhoneMessage::InputPending"); }
void GUI_PhoneMessage::PrepareNPCMessage(SIM_NPC*, const std::string&) {
  SIM_StandInLog::Called("GUI_PhoneMessage::PrepareNPCMessage");
}
void GUI_PhoneMessage::CreateNewFriend(SIM_NPC*) { SIM_StandInLog::Called("GUI_PhoneMessage::CreateNewFriend"); }
