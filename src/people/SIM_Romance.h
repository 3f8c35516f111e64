#pragma once
// The player's romance. Stand-in until the romance arrives: the player never has a partner; every
// call is logged once and recorded (SIM_StandInLog).
class SIM_NPC;
class SIM_Person;

class SIM_Romance {
 public:
  void Reset();
  SIM_NPC* GetPartner();  // null: no partner yet
  bool HasPartner() { return GetPartner() != nullptr; }
  bool IsCurrentPartner(const SIM_Person* person) { return person && person == (const SIM_Person*)GetPartner(); }
  void GetDumped();
  void RomanticOffer(SIM_NPC* npc);
};

SIM_Romance* SIM_GetRomance();
