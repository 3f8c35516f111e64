// Links between people: daily decay, the friendship thresholds with promotion and loss, hiding a
// friend's circle, and freeing the whole town.
#include <algorithm>

#include "PeopleTestSupport.h"
#include "SIM_Script.h"

namespace {

using peopletest::Town;

bool Stored(const std::string& script) {
  const auto& stored = SIM_GetScript()->GetStoredScripts();
  return std::find(stored.begin(), stored.end(), script) != stored.end();
}

TEST_F(Town, DecayDependsOnWhoIsLinkedAndHasAFloor) {
  Set("GV_REL_DEGRADERATE", 0.1f);
  Set("GV_MINREL_SELFSUSTAIN", 0.4f);
  Set("GV_FRIEND_LOST_THRESHHOLD", 0.05f);
  SIM_NPC* a = Npc();
  SIM_NPC* b = Npc();
  struct Case {
    const char* what;
    SIM_Relationship* link;
    float start;
    float after;
  };
  const Case cases[] = {
      {"player's link at 0.1", Link(SIM_GetVede(), a, 0.1f, false), 0.1f, 0.1f - 0.1f * 0.75f * 0.1f},
      {"player's link at 0.001 stops at 0", Link(SIM_GetVede(), b, 0.001f, false), 0.001f, 0.0f},
      {"NPCs' own link stays", Link(a, b, 0.3f, true), 0.3f, 0.3f},
      {"player-made NPC link below self-sustain", Link(a, Npc(), 0.3f, true, true), 0.3f, 0.3f - 0.3f * 0.1f},
      {"player-made NPC link at self-sustain stays", Link(b, Npc(), 0.4f, true, true), 0.4f, 0.4f},
      {"weak player-made NPC link loses the floor", Link(b, Npc(), 0.02f, true, true), 0.02f, 0.015f},
  };
  for (const Case& c : cases) {
    c.link->Process();
    EXPECT_NEAR(c.link->GetStrength(), c.after, 1e-6f) << c.what;
  }
}

TEST_F(Town, PromotionNeedsThreeMeetingsAnOpenLockAndRoomForAFriend) {
  Set("GV_FRIEND_GAIN_THRESHHOLD", 0.6f);
  SIM_Vede* vede = SIM_GetVede();
  SIM_NPC* first = Npc();
  SIM_NPC* second = Npc();
  SIM_Relationship* a = Link(vede, first, 0.55f, false);
  SIM_Relationship* b = Link(vede, second, 0.55f, false);

  a->SetMeetingCount(2);
  a->AdjustStrength(0.1f);
  EXPECT_FALSE(a->IsFriendship()) << "two meetings are not enough";

  a->SetMeetingCount(3);
  a->AdjustStrength(0.01f);
  EXPECT_TRUE(a->IsFriendship());
  EXPECT_TRUE(a->IsPlayerCreated());
  EXPECT_GE(first->CountRelationships(), 3) << "a new friend brings a circle";
  EXPECT_TRUE(Stored("newfriend.txt"));

  b->SetMeetingCount(3);
  b->AdjustStrength(0.1f);
  EXPECT_FALSE(b->IsFriendship()) << "one promotion a day";
  SIM_Relationship::AllowPromotions();
  b->AdjustStrength(0.01f);
  EXPECT_TRUE(b->IsFriendship()) << "the next change after the lock clears";

  SIM_Relationship::AllowPromotions();
  while (vede->CountFriendships() < 9) Friend();
  SIM_Relationship* c = Link(vede, Npc(), 0.7f, false);
  c->SetMeetingCount(5);
  c->AdjustStrength(0.05f);
  EXPECT_FALSE(c->IsFriendship()) << "never a tenth friend";
}

TEST_F(Town, ALostFriendshipHidesTheFriendAndQueuesTheScript) {
  Set("GV_FRIEND_LOST_THRESHHOLD", 0.25f);
  SIM_NPC* npc = Friend(0.26f);
  SIM_Relationship* link = npc->GetRelationship(SIM_GetVede());
  link->AdjustStrength(0.0f);
  EXPECT_FALSE(npc->IsHidden()) << "still above the threshold";
  link->AdjustStrength(-0.02f);
  EXPECT_TRUE(npc->IsHidden());
  EXPECT_FALSE(link->Alive());
  EXPECT_EQ(SIM_GetVede()->CountRelationships(), 0);
  EXPECT_EQ(npc->GetIcon(), nullptr);
  EXPECT_TRUE(Stored("lost_a_friend.txt"));
}

TEST_F(Town, HidingTheOnlyFriendOfACircleHidesItInOneCall) {
  SIM_NPC* hub = Friend();
  SIM_NPC* other = Friend();
  SIM_NPC* onlyThroughHub1 = Npc();
  SIM_NPC* onlyThroughHub2 = Npc();
  SIM_NPC* shared = Npc();
  Link(hub, onlyThroughHub1, 0.5f, true);
  Link(hub, onlyThroughHub2, 0.5f, true);
  Link(hub, shared, 0.5f, true);
  Link(other, shared, 0.5f, true);

  hub->Hide();
  for (SIM_NPC* npc : {hub, onlyThroughHub1, onlyThroughHub2}) {
    EXPECT_TRUE(npc->IsHidden());
    EXPECT_EQ(npc->CountRelationships(), 0);
  }
  EXPECT_FALSE(shared->IsHidden()) << "still a friend of a friend";
  EXPECT_FALSE(other->IsHidden());
  EXPECT_EQ(SIM_NPC::All.size(), 2u);
  EXPECT_EQ(SIM_NPC::Hidden.size(), 3u);

  // Hiding twice (the destructor hides again) changes nothing.
  hub->Hide();
  EXPECT_EQ(SIM_NPC::Hidden.size(), 3u);
}

TEST_F(Town, CloseFreesEveryPersonLinkAndIconOnce) {
  SIM_GetVede()->LoadAttributes();
  SIM_NPC::Open();
  ASSERT_GE(SIM_NPC::All.size(), 9u);
  SIM_NPC::All.back()->Hide();
  SIM_NPC::All.front()->Hide();
  SIM_NPC::Close();
  EXPECT_TRUE(SIM_NPC::All.empty());
  EXPECT_TRUE(SIM_NPC::Hidden.empty());
  EXPECT_TRUE(SIM_Relationship::All.empty());
  EXPECT_EQ(SIM_GetVede()->CountRelationships(), 0);
  for (ProcessBase* p : ProcessBase::All) EXPECT_EQ(dynamic_cast<SIM_Relationship*>(p), nullptr);
  EXPECT_EQ(SIM_Person::All.size(), 1u) << "only the player is left";
}

TEST_F(Town, ANonsenseLinkIsRefused) {
  EXPECT_EQ(SIM_Relationship::Create(SIM_GetVede(), nullptr), nullptr);
  EXPECT_TRUE(SIM_Relationship::All.empty());
}

// A lost friend's circle leaves even in the middle of an evening its members attend; the evening
// must not link the player to one of them again, or the link outlives them when the town is freed
// (a saved game then held a link the load refused).
TEST_F(Town, SomeoneWhoLeftTakesNoNewLinkAndLeavesNoneBehind) {
  SIM_NPC* gone = Friend();
  gone->Hide();
  EXPECT_EQ(SIM_Relationship::Create(SIM_GetVede(), gone), nullptr);
  EXPECT_EQ(SIM_Relationship::Create(gone, SIM_GetVede()), nullptr);
  EXPECT_EQ(SIM_GetVede()->CountRelationships(), 0);

  SIM_NPC::Close();
  EXPECT_EQ(SIM_GetVede()->CountRelationships(), 0);
  EXPECT_TRUE(SIM_Relationship::All.empty());
}

}  // namespace
