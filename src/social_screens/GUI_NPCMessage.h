#pragma once
// A message from an NPC. Stand-in until the social screens arrive: a plain message window titled
// with the NPC's full name; logged once and recorded (SIM_StandInLog).
#include <string>

class GUI_Message;
class SIM_NPC;

class GUI_NPCMessage {
 public:
  static GUI_Message* Create(SIM_NPC* npc, const std::string& text);
};
