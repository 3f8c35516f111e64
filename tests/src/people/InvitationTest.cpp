// Friends inviting the player: the day's chance, the evening a friend hosts (who comes, who pays),
// the invitation's answers, snubs up to a lost friendship, and subsidised guests.
#include <set>

#include "GTranslation.h"
#include "PeopleTestSupport.h"
#include "SIM_Finances.h"
#include "SIM_Romance.h"
#include "SIM_SocialInvitation.h"
#include "SIM_SocialiseType.h"
#include "SIM_Statistics.h"
#include "SIM_Subsidies.h"

namespace {

class Invitations : public peopletest::Town {
 protected:
  void SetUp() override {
    Town::SetUp();
    SIM_GetRomance()->Reset();
    SIM_GetFinances()->SetCash(0.0f);
    Set("GV_FRIEND_LOST_THRESHHOLD", 0.01f);
    Set("GV_SNUBRELEFFECT", -0.05f);
  }
  void TearDown() override {
    SIM_SocialInvitation::Clear();
    SIM_Subsidies::Clear();
    SIM_SocialiseType::Close();
    Town::TearDown();
  }

  // A type every NPC with an interest likes, at the costs given.
  static SIM_SocialiseType* Type(int hostCost, int perHead, int maxAttendees = 6) {
    auto* type = new SIM_SocialiseType;
    type->SetCosts(hostCost, perHead);
    type->SetAttendeeLimits(2, maxAttendees);
    for (const SIM_InterestType* interest : SIM_InterestType::All) type->AddInterest(interest->GetName(), 1.0f);
    return type;
  }
  // An NPC without hidden traits, so that no trait softens or sharpens its answer by chance.
  static SIM_NPC* Plain(SIM_NPC* npc) {
    npc->GetHiddenAttributes().clear();
    return npc;
  }
  static void SetCash(SIM_NPC* npc, float cash) {
    npc->SpendMoney(npc->GetCash());
    npc->AddCash(cash);
  }
};

TEST_F(Invitations, TheDaysChanceFollowsDaysUnseenTheLinkAndHowManyFriendsCompete) {
  Set("GV_NPC_INVITEPROB", 0.01f);
  struct Case {
    const char* what;
    int friends;  // the player's, this NPC included
    float strength;
    int daysUnseen;
    float chance;
  };
  const Case cases[] = {
      {"three friends divide by 1", 3, 0.5f, 10, 0.1f * 0.5f},
      {"ten friends divide by 8", 10, 0.5f, 10, 0.1f * 0.5f / 8.0f},
      {"a weak link counts as 0.25", 3, 0.1f, 10, 0.1f * 0.25f},
      {"never seen today: no chance", 3, 0.9f, 0, 0.0f},
      {"a long absence caps at certainty", 1, 1.0f, 500, 1.0f},
  };
  for (const Case& c : cases) {
    SIM_NPC::Close();
    SIM_NPC* npc = Friend(c.strength);
    for (int i = 1; i < c.friends; ++i) Friend();
    npc->SetDaysSinceSeen(c.daysUnseen);
    EXPECT_NEAR(npc->GetInviteChance(), c.chance, 1e-6f) << c.what;
  }
}

TEST_F(Invitations, AHostTakesAtMostSixHeadsAndPaysOnlyWithALinkInCreditAndTheCash) {
  for (int max : {3, 20}) {
    SIM_NPC::Close();
    SIM_SocialInvitation::Clear();
    SIM_NPC* host = Plain(Friend(0.6f));
    for (int i = 0; i < 6; ++i) Link(host, Npc(), 0.5f, true);
    host->HostEvent(Type(0, 0, max));
    ASSERT_EQ(SIM_SocialInvitation::All.size(), 1u);
    const SIM_SocialInvitation* invitation = SIM_SocialInvitation::All.front();
    EXPECT_EQ(invitation->GetAttendees().size(), max == 3 ? 2u : 5u) << "the host and " << (max == 3 ? 1 : 4)
                                                                      << " guests for " << max;
    EXPECT_EQ(invitation->GetAttendees().front(), host);
    for (SIM_NPC* guest : invitation->GetAttendees()) EXPECT_TRUE(guest->IsBusy());
  }
  EXPECT_NE(Log().find("organised by"), std::string::npos);

  struct Case {
    float cash;
    float balance;
    float strength;
    bool pays;
  };
  const Case cases[] = {{20.0f, 5.0f, 0.6f, true},
                        {19.0f, 5.0f, 0.6f, false},
                        {100.0f, 0.0f, 0.6f, false},
                        {100.0f, 5.0f, 0.5f, false}};
  for (const Case& c : cases) {
    SIM_NPC::Close();
    SIM_SocialInvitation::Clear();
    SIM_NPC* host = Plain(Friend(c.strength));
    host->GetRelationship(SIM_GetVede())->AdjustBalance(c.balance);
    SetCash(host, c.cash);
    host->HostEvent(Type(0, 10));
    const SIM_SocialInvitation* invitation = SIM_SocialInvitation::All.front();
    EXPECT_EQ(invitation->InviterPays(), c.pays) << "cash " << c.cash << ", balance " << c.balance << ", strength "
                                                 << c.strength;
    EXPECT_EQ(invitation->GetCost(), c.pays ? 0 : 10);
    const std::string offer = GTranslation::GetString("SOCIAL_PAYOFFER");
    EXPECT_EQ(invitation->GetInviteText().find(offer) != std::string::npos, c.pays);
    EXPECT_EQ(invitation->GetInviteText().find('<'), std::string::npos) << invitation->GetInviteText();
  }
}

TEST_F(Invitations, SnubsWeighAndSulkByImportanceAndAnUnderstandingFriendForgivesTheOrdinary) {
  struct Case {
    SIM_SocialInvitation::IMPORTANCE importance;
    int weight;
    std::set<int> delays;
    float loss;
  };
  const Case cases[] = {{SIM_SocialInvitation::IMPORTANCE_NORMAL, 1, {5, 6, 7}, 0.05f},
                        {SIM_SocialInvitation::IMPORTANCE_IMPORTANT, 2, {10, 12, 14}, 0.1f},
                        {SIM_SocialInvitation::IMPORTANCE_BIRTHDAY, 3, {12, 15, 17}, 0.125f}};
  SIM_SocialiseType* type = Type(0, 5);
  for (const Case& c : cases) {
    std::set<int> seen;
    for (int i = 0; i < 40; ++i) {
      SIM_NPC* npc = Plain(Friend(0.9f));
      npc->Snub(SIM_SocialInvitation::Create(npc, type, c.importance));
      EXPECT_EQ(npc->GetSnubCount(), c.weight);
      EXPECT_NEAR(npc->GetRelationship(SIM_GetVede())->GetStrength(), 0.9f - c.loss, 1e-5f);
      EXPECT_TRUE(npc->IsSnubbed());
      seen.insert(npc->GetSnubDelay());
    }
    EXPECT_EQ(seen, c.delays) << "importance " << c.importance;
  }

  SIM_NPC* understanding = Plain(Friend(0.9f));
  understanding->GetHiddenAttributes().push_back("understanding");
  understanding->Snub(SIM_SocialInvitation::Create(understanding, type, SIM_SocialInvitation::IMPORTANCE_NORMAL));
  EXPECT_EQ(understanding->GetSnubCount(), 0);
  EXPECT_FALSE(understanding->IsSnubbed());
  understanding->Snub(SIM_SocialInvitation::Create(understanding, type, SIM_SocialInvitation::IMPORTANCE_IMPORTANT));
  EXPECT_EQ(understanding->GetSnubCount(), 2) << "an important evening is not forgiven";

  SIM_NPC* stranger = Plain(Npc());
  stranger->Snub(SIM_SocialInvitation::Create(stranger, type, SIM_SocialInvitation::IMPORTANCE_NORMAL));
  EXPECT_EQ(stranger->GetSnubCount(), 1) << "no link to the player, still counted";
}

TEST_F(Invitations, FourSnubsEndAFriendshipAndAPartnerDumpsInstead) {
  SIM_SocialiseType* type = Type(0, 5);
  // Three pleas of poverty: the third counts 3, and the full snub it brings makes 4.
  SIM_NPC* pleaded = Plain(Friend(0.9f));
  for (int i = 0; i < 3; ++i) {
    ASSERT_FALSE(pleaded->IsHidden()) << "after " << i << " pleas";
    SIM_SocialInvitation::Create(pleaded, type, SIM_SocialInvitation::IMPORTANCE_NORMAL)->PleadPoverty();
  }
  EXPECT_TRUE(pleaded->IsHidden());
  EXPECT_EQ(pleaded->GetSnubCount(), 4);

  SIM_NPC* partner = Plain(Friend(0.9f, SIM_FEMALE));
  partner->SetRomanticCompatibility(0.8f);
  SIM_GetRomance()->SetRomanticPartner(partner);
  for (int i = 0; i < 2; ++i)
    partner->Snub(SIM_SocialInvitation::Create(partner, type, SIM_SocialInvitation::IMPORTANCE_IMPORTANT));
  EXPECT_FALSE(SIM_GetRomance()->HasPartner());
  EXPECT_EQ(partner->GetRomanticCompatibility(), 0.0f);
  EXPECT_TRUE(partner->IsHidden());
}

TEST_F(Invitations, TheDaysEndRejectsWhatWasNotAcceptedAndTheFriendsGoWithoutThePlayer) {
  SIM_SocialiseType* variable = Type(0, SIM_SocialiseType::kVariableCost);
  SIM_NPC* accepted = Plain(Friend(0.9f));
  SIM_NPC* ignored = Plain(Friend(0.9f));
  SIM_NPC* pleaded = Plain(Friend(0.9f));
  SIM_NPC* guest = Plain(Npc());
  for (SIM_NPC* npc : {accepted, ignored, pleaded, guest}) SetCash(npc, 100.0f);
  SIM_SocialInvitation* a = SIM_SocialInvitation::Create(accepted, variable, SIM_SocialInvitation::IMPORTANCE_NORMAL);
  SIM_SocialInvitation* b = SIM_SocialInvitation::Create(ignored, variable, SIM_SocialInvitation::IMPORTANCE_NORMAL);
  SIM_SocialInvitation* c = SIM_SocialInvitation::Create(pleaded, variable, SIM_SocialInvitation::IMPORTANCE_NORMAL);
  b->AddAttendee(ignored);
  b->AddAttendee(guest);
  EXPECT_EQ(b->GetCost(), 20) << "a \"VARIABLE\" evening costs its estimate, never the marker";

  SIM_NPC* poor = Plain(Friend(0.9f));
  SIM_SocialInvitation* d = SIM_SocialInvitation::Create(poor, variable, SIM_SocialInvitation::IMPORTANCE_NORMAL);
  const float stress = SIM_GetVede()->GetValue("stress");
  d->PleadPoverty();  // a true plea: no money at all
  EXPECT_EQ(SIM_GetVede()->GetValue("stress"), stress);
  SIM_GetFinances()->SetCash(50.0f);
  c->PleadPoverty();  // a false plea: the player had the money
  EXPECT_GT(SIM_GetVede()->GetValue("stress"), stress) << "the white lie's script ran";
  EXPECT_EQ(pleaded->GetSnubCount(), 1);
  a->Accept();
  SIM_SocialInvitation::SnubOthers();

  EXPECT_EQ(accepted->GetSnubCount(), 0);
  EXPECT_EQ(ignored->GetSnubCount(), 1);
  EXPECT_EQ(pleaded->GetSnubCount(), 1) << "a plea is not snubbed twice";
  EXPECT_FLOAT_EQ(ignored->GetCash(), 80.0f);
  EXPECT_FLOAT_EQ(guest->GetCash(), 80.0f);
  EXPECT_EQ(SIM_GetStatistics()->GetIntCounter("INVITES_ACCEPTED"), 1);
  EXPECT_EQ(SIM_GetStatistics()->GetIntCounter("INVITES_REJECTED"), 3);

  SIM_SocialInvitation::Clear();
  EXPECT_TRUE(SIM_SocialInvitation::All.empty());
}

TEST_F(Invitations, AStringsFileWithoutSignOffsWarnsOnceAndSignsOffWithNothing) {
  GTranslation::UseStringsFile(WriteTable("strings.ini",
                                          "[strings]\n"
                                          "SOCIAL_INVITATION_INTRO=<SALUTATION> <RAVEZIRER>|<SMALLTALK>|<INVITE>|<SIGNOFF>|<OFFER>\n"
                                          "[SMALLTALK_SALUTATION_LOWER]\n0=Hi\n[SMALLTALK_SALUTATION_UPPER]\n0=Hi\n")
                                   .c_str());
  SIM_NPC* npc = Plain(Friend(0.5f));
  SIM_SocialInvitation* invitation =
      SIM_SocialInvitation::Create(npc, Type(0, 5), SIM_SocialInvitation::IMPORTANCE_NORMAL);
  for (int i = 0; i < 2; ++i) {
    invitation->ComposeInviteText();
    EXPECT_EQ(invitation->GetInviteText().substr(0, 3), "Hi ");
    EXPECT_EQ(invitation->GetInviteText().substr(invitation->GetInviteText().size() - 4), "||||") << "no talk, no sign-off";
  }
  EXPECT_EQ(Occurrences("SIGNOFF_NORMAL"), 1);
}

TEST_F(Invitations, SubsidisedFriendsArePaidTheEffectiveShareAndOnlyLinkedOnesWarmToIt) {
  SIM_SocialiseType* type = Type(0, 10);
  SIM_Subsidies::Add(Plain(Npc()));
  EXPECT_EQ(SIM_Subsidies::RequiredCash(type), 30) << "two shares of 10 and the player's own";
  SIM_Subsidies::Clear();

  SIM_NPC* linked = Plain(Friend(0.5f));
  SIM_NPC* stranger = Plain(Npc());
  SetCash(linked, 0.0f);
  SetCash(stranger, 0.0f);
  SIM_Subsidies::Add(linked);
  SIM_Subsidies::Add(stranger);
  SIM_Subsidies::Add(nullptr);
  EXPECT_EQ(SIM_Subsidies::SubsidyOffers.size(), 2u);
  SIM_GetFinances()->SetCash(100.0f);
  Set("GV_SUBSIDISED_REL_BOOST", 0.05f);
  SIM_Subsidies::Pay(Type(0, SIM_SocialiseType::kVariableCost), SIM_SocialiseType::kVariableCost);
  EXPECT_FLOAT_EQ(SIM_GetFinances()->GetCash(), 60.0f);
  EXPECT_FLOAT_EQ(linked->GetCash(), 20.0f);
  EXPECT_FLOAT_EQ(stranger->GetCash(), 20.0f);
  const SIM_Relationship* link = linked->GetRelationship(SIM_GetVede());
  EXPECT_NEAR(link->GetStrength(), 0.55f, 1e-6f);
  EXPECT_FLOAT_EQ(link->GetBalance(), 20.0f);
}

}  // namespace
