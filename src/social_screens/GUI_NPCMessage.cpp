#include "GUI_NPCMessage.h"

#include "GUI_Message.h"
#include "SIM_NPC.h"
#include "SIM_StandInLog.h"

GUI_Message* GUI_NPCMessage::Create(SIM_NPC* npc, const std::string& text) {
  SIM_StandInLog::Called("GUI_NPCMessage::Create");
  return GUI_Message::Create(text, npc ? npc->GetFullName() : std::string());
}
