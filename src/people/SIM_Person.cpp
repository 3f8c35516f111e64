#include "SIM_Person.h"

#include "SIM_StandInLog.h"

std::list<SIM_Person*> SIM_Person::All;

SIM_Person::SIM_Person() { All.push_back(this); }

SIM_Person::~SIM_Person() { All.remove(this); }

float SIM_Person::GetActivityAttractiveness(SIM_SocialiseType*) {
  STAND_IN();
  return 0.0f;
}

int SIM_Person::CountFriendships() const {
  STAND_IN();
  return 0;
}

bool SIM_Person::DirectFriendOfVede() const {
  STAND_IN();
  return false;
}
