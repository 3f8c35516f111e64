#pragma once
// Base of the player and of every other person of the town: names, gender, portrait, birth date,
// the links to other persons, interests, boredom, the job held and the save identity. It answers
// the questions the social simulation asks of one person or a pair: how well two persons get on,
// which interest they share best, whether someone is a friend of the player.
#include <list>
#include <string>
#include <vector>

#include "RefCounted.h"
#include "SIM_InterestType.h"

class SIM_Boredom;
class SIM_Date;
class SIM_JobBase;
class SIM_Relationship;
class SIM_SocialiseType;
class SIM_TimeChunkType;

enum SIM_GENDER { SIM_MALE = 0, SIM_FEMALE = 1, SIM_RANDOMGENDER = 2 };

class SIM_Person : public RefCounted {
 public:
  SIM_Person();
  ~SIM_Person() override;

  // Stores the gender and draws a portrait of it (not yet marked used).
  virtual void SetGender(SIM_GENDER gender);
  virtual bool IsIntroduced() { return false; }
  virtual void SetJob(SIM_JobBase* job) { m_job = job; }
  // How much the person wants to go to an event of the type, 0..1.
  virtual float GetActivityAttractiveness(SIM_SocialiseType* type);

  void ChooseRandomGender();
  // A fresh surname and a forename of the person's gender that is not the player's.
  void ChooseName();

  void SetNationality(const std::string& nationality) { m_nationality = nationality; }
  const std::string& GetForeName() const { return m_forename; }
  const std::string& GetSurName() const { return m_surname; }
  const std::string& GetFullName() const { return m_fullName; }
  const std::string& GetPortraitTexture() const { return m_portrait; }
  const std::string& GetNationality() const { return m_nationality; }
  SIM_GENDER GetGender() const { return m_gender; }
  SIM_JobBase* GetJob() const { return m_job; }
  SIM_Boredom* GetBoredom() const { return m_boredom; }
  SIM_Date* GetDateOfBirth() const { return m_dateOfBirth; }
  int GetSLID() const { return m_slid; }
  // The savegame gives a loaded person its saved identity.
  void SetSLID(int slid) { m_slid = slid; }
  SIM_InterestList& GetInterests() { return m_interests; }
  const SIM_InterestList& GetInterests() const { return m_interests; }
  // Every link of the person, in the order they were made (owned by SIM_Relationship::All).
  const std::list<SIM_Relationship*>& GetRelationships() const { return m_relationships; }

  bool IsInterested(SIM_SocialiseType* type) { return GetActivityAttractiveness(type) >= 0.5f; }
  bool IsBored(SIM_TimeChunkType* activity) const;

  int CountRelationships() const { return (int)m_relationships.size(); }
  int CountFriendships() const;
  SIM_Relationship* GetRelationship(const SIM_Person* other) const;  // null when none
  bool DirectFriendOfVede() const;

  void AddRelationship(SIM_Relationship* link);
  void RemoveRelationship(SIM_Relationship* link);

  // 0.5 with the player in the pair, else the shared interests' worth clamped to 0..1.
  static float GetChemistry(const SIM_Person* a, const SIM_Person* b);
  // The mean over every ordered pair of two members; 0 for fewer than two.
  static float GetChemistry(const std::vector<SIM_Person*>& group);
  // The display name of a's most valuable interest that b shares; "" when none is worth anything.
  static std::string GetBestInterestName(const SIM_Person* a, const SIM_Person* b);
  static SIM_Person* GetBySLID(int slid);

  static std::list<SIM_Person*> All;

 protected:
  friend class SIM_LoadGame;  // a loaded person is given its saved fields as they were

  std::list<SIM_Relationship*> m_relationships;
  SIM_InterestList m_interests;
  std::string m_forename;
  std::string m_surname;
  std::string m_fullName;
  std::string m_portrait;
  SIM_Date* m_dateOfBirth = nullptr;
  SIM_GENDER m_gender = SIM_MALE;
  std::string m_nationality;
  SIM_Boredom* m_boredom = nullptr;
  SIM_JobBase* m_job = nullptr;
  int m_slid = 0;
};
