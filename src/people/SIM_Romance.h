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
  // The credit the player earns with the partner (-1..1), and the days spent apart.
  float GetRomanticCredit() const { return m_romanticCredit; }
  void ApplyRomanticCredit(float amount);
  void ResetDaysApart();

 private:
  float m_romanticCredit = 0.0f;
};

SIM_Romance* SIM_GetRomance();
