#pragma once
// Makes the player's friends: the initial ones of a new game (with genders balanced), a new friend
// met later, and the circle of friends every friend of the player brings along.
#include "SIM_Person.h"

class SIM_NPC;

class SIM_FriendGenerator {
 public:
  void GenerateFriends();
  SIM_NPC* CreateInitialFriend();
  SIM_GENDER ChooseOptimumGender() const;
  void GenerateSubFriends(SIM_NPC* npc);
  SIM_NPC* MeetNewFriend();
};

SIM_FriendGenerator* SIM_GetFriendGenerator();
