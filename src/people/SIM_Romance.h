#pragma once
// The player's romance: at most one partner, an NPC. Each day the link with the partner follows
// the romantic credit the player earns (invitations, gifts) and loses day by day, the romance
// effects script runs scaled by how far the link stands above the bust-up line, and a partner left
// alone too long nags. The romance begins when an NPC's offer is accepted and ends when the partner
// dumps the player (the link falls too low, a snub too many) or the player ends it.
#include <cstdint>

#include "ProcessBase.h"

class SIM_Asset;
class SIM_NPC;
class SIM_Person;

class SIM_Romance : public ProcessBase {
 public:
  SIM_Romance();
  ~SIM_Romance() override;

  // The day's step, only while there is a partner still in the player's world.
  void Process() override;

  SIM_NPC* GetPartner() const { return m_partner; }  // null when single
  bool HasPartner() const { return m_partner != nullptr; }
  bool IsCurrentPartner(const SIM_Person* person) const;
  int32_t GetRomanceDuration() const { return m_duration; }
  float GetRomanticCredit() const { return m_romanticCredit; }
  float GetCynicism() const { return m_cynicism; }
  int32_t GetDaysApart() const { return m_daysApart; }
  int32_t GetDaysSinceLastNag() const { return m_daysSinceLastNag; }

  // Every field 0 (a new game; a new partner).
  void Reset();
  // A different partner resets the romance first; "_romance" follows whether there is one.
  void SetRomanticPartner(SIM_NPC* npc);
  // An NPC falls for the single player: the offer dialog, whose accept makes it the partner.
  void RomanticOffer(SIM_NPC* npc);
  void ApplyRomanticCredit(float amount);  // clamped to -1..1
  void ResetDaysApart() { m_daysApart = 0; }
  // The player gives the partner a gift: the link moves by how generous it is against the day's
  // earnings and by how jaded the partner has become; the partner answers; the gift is used up.
  void BuyGift(SIM_Asset* gift);
  // The same with the day's earnings given (a day without any makes every gift generous).
  void BuyGift(SIM_Asset* gift, float todaysEarnings);
  // The partner ends it: a parting message, never another offer from that NPC.
  void GetDumped();
  // The player ends it: the former partner leaves the player's world.
  void DumpCurrentPartner();
  void ConsiderNag();

  // The savegame's fields (the romantic credit is not saved).
  void SetRomanceDuration(int32_t days) { m_duration = days; }
  void SetCynicism(float cynicism) { m_cynicism = cynicism; }
  void SetDaysApart(int32_t days) { m_daysApart = days; }
  void SetDaysSinceLastNag(int32_t days) { m_daysSinceLastNag = days; }

 private:
  SIM_NPC* m_partner = nullptr;
  int32_t m_duration = 0;
  float m_cynicism = 0.0f;
  float m_romanticCredit = 0.0f;
  int32_t m_daysSinceLastNag = 0;
  int32_t m_daysApart = 0;
};

SIM_Romance* SIM_GetRomance();
