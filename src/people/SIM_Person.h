#pragma once
// Base of the player and of every other person of the town. This is the thin base the player
// character needs; the people subsystem grows it (relationships, interests, boredom, identity).
#include <list>
#include <string>

#include "RefCounted.h"

class SIM_JobBase;
class SIM_SocialiseType;

enum SIM_GENDER { SIM_MALE = 0, SIM_FEMALE = 1, SIM_RANDOMGENDER = 2 };

class SIM_Person : public RefCounted {
 public:
  SIM_Person();
  ~SIM_Person() override;

  virtual void SetGender(SIM_GENDER gender) { m_gender = gender; }
  virtual bool IsIntroduced() { return false; }
  virtual void SetJob(SIM_JobBase* job) { m_job = job; }
  virtual float GetActivityAttractiveness(SIM_SocialiseType* type);

  const std::string& GetForeName() const { return m_forename; }
  const std::string& GetSurName() const { return m_surname; }
  const std::string& GetFullName() const { return m_fullName; }
  const std::string& GetPortraitTexture() const { return m_portrait; }
  SIM_GENDER GetGender() const { return m_gender; }
  SIM_JobBase* GetJob() const { return m_job; }

  int CountFriendships() const;
  bool DirectFriendOfVede() const;

  static std::list<SIM_Person*> All;

 protected:
  std::string m_forename;
  std::string m_surname;
  std::string m_fullName;
  std::string m_portrait;
  SIM_GENDER m_gender = SIM_MALE;
  SIM_JobBase* m_job = nullptr;
};
