#pragma once
// The friends whose share of the next evening the player pays. Stand-in until the town-life
// issue: nobody is ever subsidised, so paying costs nothing; each call is logged once.
class SIM_NPC;
class SIM_SocialiseType;

class SIM_Subsidies {
 public:
  static void Add(SIM_NPC* npc);
  static void Clear();
  static void Pay(SIM_SocialiseType* type, int amount);
};
