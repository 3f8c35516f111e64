#pragma once
// An NPC offers the single player romance. Stand-in until the romance dialogs arrive: the offer is
// logged once and remembered, so a player without a window can answer it.
class SIM_NPC;

class GUI_RomanticOffer {
 public:
  static void Create(SIM_NPC* npc);
  static SIM_NPC* PendingOffer;  // the last offer not yet answered
};
