#pragma once
// The dialog offering to pay a guest's share when the guest cannot afford the evening. Stand-in
// until the town-life screens arrive: opening it is logged once and the answer is no (nobody is
// subsidised).
class SIM_NPC;
class SIM_SocialiseType;

class GUI_NoMoneyDialog {
 public:
  static void Create(SIM_SocialiseType* type, SIM_NPC* npc);
};
