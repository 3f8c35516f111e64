#include "SIM_Person.h"

#include <algorithm>
#include <cstdlib>

#include "GDebug.h"
#include "GRandom.h"
#include "SIM_Boredom.h"
#include "SIM_Date.h"
#include "SIM_Names.h"
#include "SIM_PortraitDatabase.h"
#include "SIM_Relationship.h"
#include "SIM_SaveGame.h"
#include "SIM_Romance.h"
#include "SIM_SocialiseType.h"
#include "SIM_TimeChunkType.h"
#include "SIM_Vede.h"

std::list<SIM_Person*> SIM_Person::All;

SIM_Person::SIM_Person() {
  All.push_back(this);
  m_gender = SIM_MALE;
  // Three draws in this order. A month has five day-steps, so the day is drawn 0..4: a larger day
  // would be a birthday that never comes.
  const int day = std::rand() % SIM_Date::DAYS_PER_MONTH;
  const int month = std::rand() % SIM_Date::MONTHS_PER_YEAR;
  const int year = 1950 + std::rand() % 30;
  m_dateOfBirth = new SIM_Date(day, month, year);
  m_boredom = new SIM_Boredom();
  SIM_Person::SetJob(nullptr);
  m_slid = SIM_GetSaveGame()->CreateSLID();
}

SIM_Person::~SIM_Person() {
  delete m_boredom;
  delete m_dateOfBirth;
  All.remove(this);
}

void SIM_Person::SetGender(SIM_GENDER gender) {
  m_gender = gender;
  SIM_PortraitDatabase* portraits = SIM_GetPortraits();
  m_portrait = gender == SIM_FEMALE ? portraits->GetFemalePortrait() : portraits->GetMalePortrait();
}

void SIM_Person::ChooseRandomGender() { SetGender(GRandom::RandUnitFloat() < 0.5f ? SIM_MALE : SIM_FEMALE); }

void SIM_Person::ChooseName() {
  m_surname = SIM_Names::GetSurname();
  m_forename = SIM_Names::GetForename(0, "English", m_gender, true);
  m_fullName = m_forename + " " + m_surname;
}

float SIM_Person::GetActivityAttractiveness(SIM_SocialiseType* type) {
  if (!type) return 0.0f;
  if (type->GetProcessFunction() == "ROMANTIC") return SIM_GetRomance()->IsCurrentPartner(this) ? 1.0f : 0.0f;
  float sum = 0.0f;
  for (const SIM_SocialiseType::Interest* interest : type->GetInterests()) {
    if (m_interests.HasInterest(interest->name)) sum += interest->weight;
  }
  return std::clamp(sum, 0.0f, 1.0f);
}

bool SIM_Person::IsBored(SIM_TimeChunkType* activity) const {
  return activity && m_boredom && m_boredom->GetEffect(activity->GetName()) > 0.5f;
}

int SIM_Person::CountFriendships() const {
  int count = 0;
  for (const SIM_Relationship* link : m_relationships) {
    if (link->IsFriendship()) ++count;
  }
  return count;
}

SIM_Relationship* SIM_Person::GetRelationship(const SIM_Person* other) const {
  for (SIM_Relationship* link : m_relationships) {
    if (link->Contains(other)) return link;
  }
  return nullptr;
}

bool SIM_Person::DirectFriendOfVede() const {
  const SIM_Relationship* link = GetRelationship(SIM_GetVede());
  return link && link->IsFriendship();
}

void SIM_Person::AddRelationship(SIM_Relationship* link) {
  for (SIM_Relationship* held : m_relationships) {
    if (held == link) {
      GError("relationship already added", __FILE__, __LINE__);
      return;
    }
    if (link && held->GetOther(this) == link->GetOther(this)) {
      GError("Already have a relationship for these two", __FILE__, __LINE__);
    }
  }
  m_relationships.push_back(link);
}

void SIM_Person::RemoveRelationship(SIM_Relationship* link) { m_relationships.remove(link); }

float SIM_Person::GetChemistry(const SIM_Person* a, const SIM_Person* b) {
  const SIM_Person* vede = SIM_GetVede();
  if (a == vede || b == vede) return 0.5f;
  if (!a || !b) return 0.0f;
  float sum = 0.0f;
  for (const SIM_Interest* interest : a->m_interests.GetInterests()) {
    if (b->m_interests.HasInterest(interest->GetType())) sum += interest->GetType()->GetChemistryWorth();
  }
  return std::clamp(sum, 0.0f, 1.0f);
}

float SIM_Person::GetChemistry(const std::vector<SIM_Person*>& group) {
  float sum = 0.0f;
  int pairs = 0;
  for (const SIM_Person* x : group) {
    for (const SIM_Person* y : group) {
      if (x == y) continue;
      sum += GetChemistry(x, y);
      ++pairs;
    }
  }
  return pairs ? sum / (float)pairs : 0.0f;
}

std::string SIM_Person::GetBestInterestName(const SIM_Person* a, const SIM_Person* b) {
  if (!a || !b) return "";
  float best = 0.0f;
  std::string name;
  for (const SIM_Interest* interest : a->m_interests.GetInterests()) {
    const SIM_InterestType* type = interest->GetType();
    if (!b->m_interests.HasInterest(type)) continue;
    if (type->GetChemistryWorth() > best) {
      best = type->GetChemistryWorth();
      name = interest->GetGUIName();
    }
  }
  return name;
}

SIM_Person* SIM_Person::GetBySLID(int slid) {
  for (SIM_Person* person : All) {
    if (person->m_slid == slid) return person;
  }
  return nullptr;
}
