#pragma once
// One social evening that has been decided on: its type, its host (the player or an NPC), the
// guests and what each pays. Running it (ProcessChunk) judges the evening, works out each guest's
// enjoyment and what it does to the friendship, spends the money, feeds memories, boredom and
// meeting counts, touches the player's partner, earns renown when the player hosts and opens the
// report. The outing kinds (restaurant, cinema, pub...) and the romantic date derive from it.
// Evenings stay in SIM_SocialiseInstance::All after their report until the next game.
#include <cstdint>
#include <list>
#include <string>
#include <vector>

#include "SIM_Date.h"
#include "SIM_TimeChunk.h"

class SIM_Person;
class SIM_SocialInvitation;
class SIM_SocialiseEffect;
class SIM_SocialiseType;

class SIM_SocialiseInstance : public SIM_TimeChunk {
 public:
  SIM_SocialiseInstance();
  ~SIM_SocialiseInstance() override;

  // The player's own evening from the chooser: the guests (NPCs, un-snubbed), the type, the host.
  // Runs at once; returns the evening (owned by All), null without a type.
  static SIM_SocialiseInstance* Create(const std::list<SIM_Person*>& attendees, SIM_SocialiseType* type,
                                       SIM_Person* host);
  // An NPC's invitation the player accepted. Runs at once; null without an invitation.
  static SIM_SocialiseInstance* Create(SIM_SocialInvitation* invitation);
  // The kind of evening the type's process function names; null without a type.
  static SIM_SocialiseInstance* CreateInstanceFromType(SIM_SocialiseType* type);
  static void Open();
  static void Close();

  void ProcessChunk() override;
  // The report closed: unlock points when the player hosted, unlocks, romance checks.
  virtual void AfterPostMortem();
  virtual void DisplayPostMortem();
  virtual void EvaluateEventSuccess();
  virtual void CalculateVorla();

  // Someone of the character type among the guests other than `person` and the player, then the
  // host when the host is neither.
  int CountPersonalities(const char* characterType, const SIM_Person* person) const;
  SIM_Person* GetFirstPersonality(const char* characterType, const SIM_Person* person) const;
  // Exactly one guest, of the other sex (or either, with same-sex romance allowed): `other` is them.
  bool WasAloneWithOppositeSex(SIM_Person*& other) const;

  SIM_SocialiseType* GetType() const { return m_type; }
  SIM_Person* GetHost() const { return m_host; }
  bool IsVedeHost() const;
  float GetEventQuality() const { return m_eventQuality; }
  float GetMood() const { return m_mood; }
  float GetSocialVorla() const { return m_socialVorla; }
  float GetUniqueActivityVorla() const { return m_uniqueActivityVorla; }
  const std::string& GetBackdrop() const { return m_backdrop; }
  bool HasCustomBackdrop() const { return m_customBackdrop; }
  int32_t GetCostPerHead() const { return m_costPerHead; }
  const SIM_Date& GetDate() const { return m_date; }
  const std::list<SIM_Person*>& GetAttendees() const { return m_attendees; }
  // One per guest, in guest order, once the evening has run.
  const std::vector<SIM_SocialiseEffect*>& GetEffects() const { return m_effects; }

  // For the kinds and for tests that set an evening up by hand.
  void SetType(SIM_SocialiseType* type) { m_type = type; }
  void SetHost(SIM_Person* host) { m_host = host; }
  void AddAttendee(SIM_Person* person) { m_attendees.push_back(person); }
  void SetCostPerHead(int32_t cost) { m_costPerHead = cost; }
  void SetBackdrop(const std::string& backdrop) {
    m_backdrop = backdrop;
    m_customBackdrop = true;
  }

  static std::list<SIM_SocialiseInstance*> All;

 protected:
  void EvaluateSocialImpact(SIM_Person* attendee);
  void SpendMoney();
  void ReduceLoneliness();
  void BorePeople();
  void SetSeenVede();
  void AffectVede();
  void CreateMemories();
  void BoostMeetingCounts();
  void DiscoverPeoplesInterests();
  void AffectPartner();
  void ImproveSocialSkills();

  std::vector<SIM_SocialiseEffect*> m_effects;  // owned
  std::list<SIM_Person*> m_attendees;           // not owned; NPCs only
  SIM_Person* m_host = nullptr;
  SIM_Date m_date;
  SIM_SocialiseType* m_type = nullptr;
  float m_mood = 0.0f;
  float m_eventQuality = 0.0f;
  std::string m_backdrop = "background_plain.jpg";
  bool m_customBackdrop = false;
  float m_socialVorla = 0.0f;
  float m_uniqueActivityVorla = 0.0f;
  int32_t m_costPerHead = 0;
  // Set while an evening whose entry the player paid up front runs: SpendMoney charges the
  // player nothing more (the guests still pay their share of the cost per head).
  bool m_entryPaid = false;
};
