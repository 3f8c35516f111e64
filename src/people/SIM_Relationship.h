#pragma once
// The link between two persons, the player and an NPC or two NPCs, with a strength between 0 and
// 1 that rises at events and falls by daily decay and snubs. For the player's links the strength
// decides friendship: a friendship below the lost threshold ends (the friend leaves the player's
// world); an acquaintance above the gain threshold after enough meetings becomes a friend, at most
// one a day and never a tenth.
#include <list>

#include "ProcessBase.h"

class GUI_Relationship;
class SIM_Person;

class SIM_Relationship : public ProcessBase {
 public:
  // A new link registered with both persons; null (with an error) when either is missing.
  static SIM_Relationship* Create(SIM_Person* a, SIM_Person* b);
  ~SIM_Relationship() override;

  // The daily decay; only while alive.
  void Process() override;
  // Marks the link dead, forgets the persons and drops the line; freed by the next clean-up.
  virtual void Delete();

  // Stores the value as given and sets the friendship flag by the thresholds, silently.
  void SetStrength(float strength);
  // Clamped change; the player's friendships may end, acquaintances may be promoted.
  void AdjustStrength(float delta);
  void CheckForRomance();

  static void AllowPromotions() { BPromotionsBlocked = false; }
  static void PreventFurtherPromotions() { BPromotionsBlocked = true; }
  static bool ArePromotionsBlocked() { return BPromotionsBlocked; }

  void AdjustBalance(float amount) { m_balance += amount; }
  void IncreaseMeetingCount() { ++m_meetingCount; }
  void SetMeetingCount(int count) { m_meetingCount = count; }
  float GetVorlaGenerated() const;

  bool IsFriendship() const { return m_friendship; }
  void SetFriendship(bool friendship) { m_friendship = friendship; }
  bool IsPlayerCreated() const { return m_playerCreated; }
  void SetPlayerCreated(bool playerCreated) { m_playerCreated = playerCreated; }
  bool InvolvesPlayer() const { return m_involvesPlayer; }
  float GetStrength() const { return m_strength; }
  float GetBalance() const { return m_balance; }
  int GetMeetingCount() const { return m_meetingCount; }
  SIM_Person* GetPers1() const { return m_pers1; }
  SIM_Person* GetPers2() const { return m_pers2; }
  GUI_Relationship* GetDisplay() const { return m_display; }
  bool Contains(const SIM_Person* p) const { return p && (p == m_pers1 || p == m_pers2); }
  SIM_Person* GetOther(const SIM_Person* p) const { return p == m_pers1 ? m_pers2 : m_pers1; }

  static std::list<SIM_Relationship*> All;

 private:
  SIM_Relationship(SIM_Person* a, SIM_Person* b);

  SIM_Person* m_pers1 = nullptr;
  SIM_Person* m_pers2 = nullptr;
  float m_strength = 0.0f;
  float m_balance = 0.0f;
  GUI_Relationship* m_display = nullptr;  // owned
  bool m_involvesPlayer = false;
  bool m_friendship = false;
  int m_meetingCount = 0;
  bool m_playerCreated = false;

  static bool BPromotionsBlocked;
};
