// One NPC: its making, money, birthday, texts and own values; the friend generator; the daily
// step with memories and boredom.
#include <cmath>

#include "PeopleTestSupport.h"
#include "SIM_Boredom.h"
#include "SIM_Date.h"
#include "SIM_FriendGenerator.h"
#include "SIM_Memory.h"
#include "SIM_PlayerOptions.h"
#include "SIM_SaveGame.h"
#include "SIM_SocialiseType.h"

namespace {

using peopletest::Town;

TEST_F(Town, ANewPersonIsCompleteAndUnique) {
  const int before = SIM_GetSaveGame()->GetSLIDCounter();
  SIM_NPC* a = Npc(SIM_FEMALE);
  SIM_NPC* b = Npc(SIM_RANDOMGENDER);
  EXPECT_EQ(a->GetSLID(), before);
  EXPECT_EQ(b->GetSLID(), before + 1);
  EXPECT_EQ(SIM_Person::GetBySLID(b->GetSLID()), b);
  EXPECT_EQ(SIM_Person::GetBySLID(-5), nullptr);
  EXPECT_EQ(a->GetGender(), SIM_FEMALE);
  EXPECT_NE(b->GetGender(), SIM_RANDOMGENDER);
  for (SIM_NPC* npc : {a, b}) {
    EXPECT_FALSE(npc->GetForeName().empty());
    EXPECT_NE(npc->GetForeName(), "Alex");
    EXPECT_EQ(npc->GetFullName(), npc->GetForeName() + " " + npc->GetSurName());
    EXPECT_NE(npc->GetIcon(), nullptr);
    EXPECT_GT(npc->GetInterests().Count(), 0);
    EXPECT_LE(npc->GetDateOfBirth()->GetDay(), 4);
    // No job: the base of 20 a week, times the tuning range.
    EXPECT_GE(npc->GetWeeklyCash(), 20.0f * SIM_GetGlobalVariables()->Get("GV_FRIENDSCASH_MIN"));
    EXPECT_EQ(npc->GetCash(), npc->GetWeeklyCash());
  }
}

TEST_F(Town, SameSexRomanceDecidesCompatibilityWithThePlayersGender) {
  SIM_PlayerOptions* options = SIM_GetPlayerOptions();
  const SIM_GENDER player = SIM_GetVede()->GetGender();
  const SIM_GENDER other = player == SIM_MALE ? SIM_FEMALE : SIM_MALE;
  options->SetToggle(SIM_PlayerOptions::TOGGLE_SAMESEX, false);
  for (int i = 0; i < 20; ++i) EXPECT_EQ(Npc(player)->GetRomanticCompatibility(), 0.0f);
  float sum = 0.0f;
  for (int i = 0; i < 20; ++i) sum += Npc(other)->GetRomanticCompatibility();
  EXPECT_GT(sum, 0.0f);
  options->SetToggle(SIM_PlayerOptions::TOGGLE_SAMESEX, true);
  sum = 0.0f;
  for (int i = 0; i < 20; ++i) sum += Npc(player)->GetRomanticCompatibility();
  EXPECT_GT(sum, 0.0f);
  options->SetToggle(SIM_PlayerOptions::TOGGLE_SAMESEX, false);
}

TEST_F(Town, BirthdaysComeEveryOtherYear) {
  SIM_Date::Open();
  SIM_NPC* npc = SIM_NPC::Create();
  struct Case {
    int birthDay, year;
    bool birthday;
  };
  for (const Case& c : {Case{1, 2007, true}, Case{1, 2008, false}, Case{4, 2008, true}, Case{4, 2007, false}}) {
    *npc->GetDateOfBirth() = SIM_Date(c.birthDay, 6, 1970);
    *SIM_Date::PPresentDay = SIM_Date(c.birthDay, 6, c.year);
    EXPECT_EQ(npc->IsBirthdayToday(), c.birthday) << c.birthDay << " in " << c.year;
  }
  *SIM_Date::PPresentDay = SIM_Date(2, 6, 2007);
  EXPECT_FALSE(npc->IsBirthdayToday()) << "another day";
  SIM_Date::Close();
}

TEST_F(Town, TextsNameThePersonAndUseTheirPronouns) {
  SIM_NPC* she = Npc(SIM_FEMALE);
  SIM_NPC* he = Npc(SIM_MALE);
  const std::string text = "<NAME>: <CAPS_HE_SHE> said <HE_SHE> would bring <HIS_HER> dog for <HIMSELF_HERSELF>, ask <HIM_HER>.";
  EXPECT_EQ(she->PersonaliseText(text),
            she->GetForeName() + ": She said she would bring her dog for herself, ask her.");
  EXPECT_EQ(he->PersonaliseText(text), he->GetForeName() + ": He said he would bring his dog for himself, ask him.");
  EXPECT_EQ(he->PersonaliseText(std::string(5000, 'x')).size(), 5000u) << "no length limit";
}

TEST_F(Town, OwnValuesAreMadeOnFirstUse) {
  SIM_NPC* npc = Npc();
  EXPECT_EQ(npc->GetValue("poker"), 0.0f);
  npc->ApplyEffect("poker", 0.25f, 0.9f);
  EXPECT_FLOAT_EQ(npc->GetValue("poker"), 0.25f);
  npc->ApplyEffect("poker", 0.25f, 0.9f);
  EXPECT_FLOAT_EQ(npc->GetValue("poker"), 0.5f);
  npc->SpendMoney(npc->GetCash() + 100.0f);
  EXPECT_EQ(npc->GetCash(), 0.0f);
}

TEST_F(Town, TheBestFriendIsTheStrongestAndTheFirstOfEquals) {
  EXPECT_EQ(SIM_NPC::GetBestFriend(), nullptr);
  Npc();  // not a friend
  SIM_NPC* first = Friend(0.5f);
  Friend(0.5f);
  EXPECT_EQ(SIM_NPC::GetBestFriend(), first);
  SIM_NPC* strongest = Friend(0.55f);
  EXPECT_EQ(SIM_NPC::GetBestFriend(), strongest);
}

TEST_F(Town, TheInitialFriendsBalanceTheirGenders) {
  SIM_FriendGenerator* generator = SIM_GetFriendGenerator();
  struct Case {
    std::vector<SIM_GENDER> friends;
    SIM_GENDER next;
  };
  const Case cases[] = {{{}, SIM_RANDOMGENDER},
                        {{SIM_MALE}, SIM_RANDOMGENDER},
                        {{SIM_MALE, SIM_MALE}, SIM_FEMALE},
                        {{SIM_FEMALE, SIM_FEMALE}, SIM_MALE},
                        {{SIM_MALE, SIM_FEMALE}, SIM_RANDOMGENDER}};
  for (const Case& c : cases) {
    SIM_NPC::Close();
    for (SIM_GENDER g : c.friends) Friend(0.5f, g);
    EXPECT_EQ(generator->ChooseOptimumGender(), c.next) << c.friends.size() << " friends";
  }
  SIM_NPC::Close();
  Friend(0.5f, SIM_MALE);
  Friend(0.5f, SIM_MALE);
  EXPECT_EQ(generator->CreateInitialFriend()->GetGender(), SIM_FEMALE);
}

TEST_F(Town, InitialFriendsAndTheirCircles) {
  SIM_GetVede()->LoadAttributes();
  Set("GV_INITIALFRIENDS", 3.0f);
  SIM_NPC::Open();
  SIM_Vede* vede = SIM_GetVede();
  ASSERT_EQ(vede->CountFriendships(), 3);
  for (SIM_Relationship* link : vede->GetRelationships()) {
    SIM_NPC* npc = dynamic_cast<SIM_NPC*>(link->GetOther(vede));
    ASSERT_NE(npc, nullptr);
    EXPECT_TRUE(link->IsPlayerCreated());
    EXPECT_GE(link->GetStrength(), 0.27f);
    EXPECT_LE(link->GetStrength(), 0.6f);
    EXPECT_TRUE(npc->IsIntroduced());
    EXPECT_FALSE(npc->GetInterests().AreSomeHidden());
    const int circle = npc->CountRelationships() - 1;
    if (npc->HasCharacterType("extravert")) {
      EXPECT_GE(circle, 4);
      EXPECT_LE(circle, 6);
    } else {
      EXPECT_GE(circle, 2);
      EXPECT_LE(circle, 4);
    }
    for (SIM_Relationship* sub : npc->GetRelationships()) {
      if (sub == link) continue;
      EXPECT_TRUE(sub->IsFriendship());
      EXPECT_FALSE(sub->IsPlayerCreated());
      EXPECT_FALSE(sub->GetOther(npc)->IsIntroduced());
    }
  }

  SIM_NPC* met = SIM_GetFriendGenerator()->MeetNewFriend();
  const SIM_Relationship* link = met->GetRelationship(vede);
  ASSERT_NE(link, nullptr);
  EXPECT_TRUE(link->IsFriendship());
  EXPECT_GE(link->GetStrength(), 0.27f);
  EXPECT_LE(link->GetStrength(), 0.35f);
  EXPECT_TRUE(met->GetInterests().AreSomeHidden());
}

TEST_F(Town, TheDailyStepCountsDownSnubsAndUpDaysAndFadesMemories) {
  SIM_NPC* npc = Friend();
  npc->SetSnubDelay(2);
  SIM_SocialiseType party;
  npc->GetMemory()->AddEventMemory(&party, 1.0f);
  const int seen = npc->GetDaysSinceSeen();
  SIM_NPC::ProcessAllNPCS();
  EXPECT_EQ(npc->GetSnubDelay(), 1);
  EXPECT_TRUE(npc->IsSnubbed());
  EXPECT_EQ(npc->GetDaysSinceSeen(), seen + 1);
  EXPECT_LT(npc->GetMemory()->GetLastTypeMemory(&party), 1.0f);
  SIM_NPC::ProcessAllNPCS();
  EXPECT_FALSE(npc->IsSnubbed());
  npc->Hide();
  SIM_NPC::ProcessAllNPCS();
  EXPECT_EQ(npc->GetDaysSinceSeen(), seen + 2) << "a hidden NPC does nothing";
}

TEST_F(Town, AMemoryFadesAndIsForgottenOnDay29) {
  Set("GV_EVENT_MEMORY_DECAY", 0.1f);
  SIM_Memory memory;
  SIM_SocialiseType party, dinner;
  EXPECT_FLOAT_EQ(memory.GetLastTypeMemory(&party), 0.5f);
  memory.AddEventMemory(&party, 0.2f);
  memory.AddEventMemory(&dinner, 0.9f);
  memory.AddEventMemory(&party, 0.0f);
  ASSERT_EQ(memory.GetMemories().size(), 2u) << "one memory a type";
  EXPECT_EQ(memory.GetMemories().back()->GetType(), &party);
  for (int day = 1; day <= 28; ++day) memory.NextDay();
  EXPECT_NEAR(memory.GetLastTypeMemory(&party), 0.5f - 0.5f * std::pow(0.9f, 28.0f), 1e-4f);
  memory.NextDay();
  EXPECT_TRUE(memory.GetMemories().empty());
}

TEST_F(Town, BoredomFallsByAStepAndIsForgotten) {
  Set("BOREDOM_DEGRADE", 0.1f);
  SIM_Boredom boredom;
  boredom.AddEffect("bowling", 0.68f);
  boredom.AddEffect("pub", 0.3f);
  const float expected[] = {0.58f, 0.48f, 0.38f, 0.28f, 0.18f, 0.08f};
  for (float value : expected) {
    boredom.Process();
    EXPECT_NEAR(boredom.GetEffect("bowling"), value, 1e-5f);
  }
  EXPECT_EQ(boredom.GetItems().size(), 1u) << "the pub went on day 3";
  boredom.Process();
  EXPECT_TRUE(boredom.GetItems().empty());
  EXPECT_EQ(boredom.GetEffect("never done"), 0.0f);

  // Everybody's boredom falls with the day.
  SIM_NPC* npc = Npc();
  npc->GetBoredom()->AddEffect("cinema", 0.6f);
  SIM_GetVede()->GetBoredom()->AddEffect("cinema", 0.6f);
  ProcessBase::ProcessAll();
  EXPECT_NEAR(npc->GetBoredom()->GetEffect("cinema"), 0.5f, 1e-5f);
  EXPECT_NEAR(SIM_GetVede()->GetBoredom()->GetEffect("cinema"), 0.5f, 1e-5f);
  SIM_GetVede()->GetBoredom()->Clear();
}

}  // namespace
