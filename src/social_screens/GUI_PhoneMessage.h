#pragma once
// The queue of in-game phone messages. Stand-in until the phone arrives: posting a special event
// is logged and remembered.
#include <string>

class SIM_NPC;
class SIM_SocialInvitation;
class SIM_SpecialEvent;

class GUI_PhoneMessage {
 public:
  static void CreateSpecialEvent(SIM_SpecialEvent* event);
  // Stand-ins, logged once and recorded (SIM_StandInLog).
  static void Clear();
  static void InputPending();
  static void PrepareNPCMessage(SIM_NPC* npc, const std::string& text);
  static void CreateNewFriend(SIM_NPC* npc);
  static void CreateNPCMessage(SIM_NPC* npc, const std::string& text);  // delivered at once
  static void CreateSocialInvite(SIM_SocialInvitation* invitation);
  static void DeleteInvite(SIM_SocialInvitation* invitation);
  static void ClearAll();  // the held-back ones too
  static SIM_SpecialEvent* LastSpecialEvent;
};
