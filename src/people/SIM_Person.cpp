#include "SIM_Person.h"

#include "GDebug.h"

std::list<SIM_Person*> SIM_Person::All;

SIM_Person::SIM_Person() { All.push_back(this); }

SIM_Person::~SIM_Person() { All.remove(this); }

float SIM_Person::GetActivityAttractiveness(SIM_SocialiseType*) {
  GStandIn("SIM_Person::GetActivityAttractiveness (people subsystem not built yet)");
  return 0.0f;
}

int SIM_Person::CountFriendships() const {
  GStandIn("SIM_Person::CountFriendships (no relationships yet: 0 friends)");
  return 0;
}

bool SIM_Person::DirectFriendOfVede() const {
  GStandIn("SIM_Person::DirectFriendOfVede (no relationships yet)");
  return false;
}
