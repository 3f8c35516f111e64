#pragma once
// A friend the player invites cannot afford the evening: the friend's message with two answers,
// "never mind" (the friend appreciates being asked) or paying the friend's share, which puts the
// friend on the guest list at once. Paying needs the cash for every share offered so far, this one
// and the player's own.
#include "GUI_NPCMessage.h"

class GUI_ButtonText;
class SIM_SocialiseType;

class GUI_NoMoneyDialog : public GUI_NPCMessage {
 public:
  // Null (after an assertion) without an activity or a person.
  static GUI_NoMoneyDialog* Create(SIM_SocialiseType* activity, SIM_NPC* npc);
  static void SubsidiseFriend(int);
  static void Reject(int);

  ~GUI_NoMoneyDialog() override;

  GUI_ButtonText* GetSubsidiseButton() const { return m_subsidise; }
  GUI_ButtonText* GetRejectButton() const { return m_reject; }
  int GetRequiredCash() const { return m_requiredCash; }

  static GUI_NoMoneyDialog* PNoMoneyDialog;

 private:
  GUI_NoMoneyDialog(SIM_SocialiseType* activity, SIM_NPC* npc);

  GUI_ButtonText* m_subsidise = nullptr;  // in the button list
  GUI_ButtonText* m_reject = nullptr;
  int m_requiredCash = 0;
};
