#pragma once
// The friends whose share of the next evening the player has offered to pay (the no-money
// dialog's subsidise button). They are paid when the evening spends its money, then forgotten.
#include <list>

class SIM_NPC;
class SIM_SocialiseType;

class SIM_Subsidies {
 public:
  static void Add(SIM_NPC* npc);  // asserted non-null; a null is not added
  static void Clear();
  // The player pays each subsidised friend the amount (never below 0); a friend linked to the
  // player warms to it and says thanks on the phone.
  static void Pay(SIM_SocialiseType* type, int amount);
  // What the player needs in hand to subsidise one more guest of the type: every subsidy so far and
  // the new one at the cost per head, plus the player's own share (the host cost when there is one).
  static int RequiredCash(SIM_SocialiseType* type);

  static std::list<SIM_NPC*> SubsidyOffers;
};
