// The social evening: the event types' table and choices, the evening judged guest by guest, the
// guests' comments and gossip, the rumours and the weekly venue bands, and how NPCs answer the
// player's invitations. Evenings run in a real new game (the shipped tables), with the evening's
// quality and the player's mood set by the test where the figures depend on them.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <set>
#include <string>
#include <vector>

#include "GDebug.h"
#include "GTranslation.h"
#include "GUI_WindowManager.h"
#include "HeadlessPlayer.h"
#include "IniLoader.h"
#include "SIM_Asset.h"
#include "SIM_Attribute.h"
#include "SIM_Boredom.h"
#include "SIM_CharacterType.h"
#include "SIM_Date.h"
#include "SIM_EventQuality.h"
#include "SIM_Finances.h"
#include "SIM_InterestType.h"
#include "SIM_GlobalVariable.h"
#include "SIM_NPC.h"
#include "SIM_Relationship.h"
#include "SIM_Rumour.h"
#include "SIM_SIM.h"
#include "SIM_SocialiseEffect.h"
#include "SIM_SocialiseInstance.h"
#include "SIM_SocialiseType.h"
#include "SIM_Vede.h"
#include "SIM_Vorla.h"
#include "TestSupport.h"

namespace {

// Two header lines, then rows; the columns as the table's own header says.
std::string Row(const std::string& process, const std::string& name, const std::string& cost,
                const std::string& maxPeople, const std::string& tail) {
  return "#," + process + "," + name + ",GUI " + name + ",desc,noun,,0,,,,\"_random,1.0\",low,mid,high,invite,0," + cost +
         ",-1,-1,1,1,1,1,1,1,1,2," + maxPeople + ",," + tail + "\n";
}

// One of the numbered lines of a section of the strings file.
bool IsLineOf(const char* section, const std::string& text) {
  IniLoader* lines = GTranslation::GetLoader(section, GTranslation::GetStringsFile());
  for (int i = 0; i < lines->Count(); ++i) {
    if (text == lines->GetValue(std::to_string(i).c_str())) return true;
  }
  return false;
}

class EventTypes : public ::testing::Test {
 protected:
  void SetUp() override {
    if (!GetDebug()->IsOpen()) GetDebug()->Initialise();
    SIM_GetGlobalVariables()->Load();
    SIM_SocialiseType::Close();
  }
  void TearDown() override { SIM_SocialiseType::Close(); }
  static std::string Log() { return testsupport::ReadFile(GetDebug()->GetPath()); }
};

TEST_F(EventTypes, ATableRowReadsIntoEveryField) {
  SIM_SocialiseType::LoadTypesFromText(
      "header\n"
      "#,PARTY,houseparty,House party,Loud,party animal,note,5,SOCFLAG_HOMEBASED,attend.txt,host.txt,"
      "\"_random,0.5,charisma,0.5\",Low,Middle,High,Come round,30,12,2,6,1,0,1,0,1,0,1,3,-1,,"
      "\"music,0.3\",\"dancing,0.4\",#,\"happiness,0.1,0.5\",#,\"_energy,0.3\",\"stress,<0.8\"\n" +
          Row("RESTAURANT", "chineserestaurant", "VARIABLE", "8", "#,#") + Row("PUB", "venue", "7", "4", "#,#"),
      "fixture.csv");
  ASSERT_EQ(SIM_SocialiseType::All.size(), 3u);
  SIM_SocialiseType* party = SIM_SocialiseType::All.front();
  EXPECT_EQ(party->GetProcessFunction(), "PARTY");
  EXPECT_EQ(party->GetName(), "houseparty");
  EXPECT_EQ(party->GetGUIName(), "House party");
  EXPECT_EQ(party->GetOrganiserDescription(), "party animal");
  EXPECT_TRUE(party->IsLocked()) << "a threshold above 0 starts locked";
  EXPECT_TRUE(party->GetFlag(SIM_SocialiseType::SOCFLAG_HOMEBASED));
  EXPECT_EQ(party->GetAttendScript(), "attend.txt");
  EXPECT_EQ(party->GetHostScript(), "host.txt");
  EXPECT_EQ(party->GetQualityTerms().size(), 2u);
  EXPECT_EQ(party->GetInvite(), "Come round");
  EXPECT_EQ(party->GetHostCost(), 30);
  EXPECT_EQ(party->GetCostPerHead(), 12);
  EXPECT_EQ(party->GetStartMonth(), 2);
  EXPECT_EQ(party->GetEndMonth(), 6);
  EXPECT_TRUE(party->GetDayAvailable(0));
  EXPECT_FALSE(party->GetDayAvailable(1));
  EXPECT_EQ(party->GetMinAttendees(), 3);
  EXPECT_EQ(party->GetMaxAttendees(), 99) << "-1 is no limit";
  ASSERT_EQ(party->GetInterests().size(), 2u);
  EXPECT_EQ(party->GetInterests()[1]->name, "dancing");
  EXPECT_FLOAT_EQ(party->GetInterests()[1]->weight, 0.4f);
  EXPECT_EQ(party->GetModifiers().size(), 1u);
  ASSERT_EQ(party->GetPreRequisites().size(), 2u);
  EXPECT_TRUE(party->GetPreRequisites()[1]->lessThan);

  SIM_SocialiseType* chinese = SIM_SocialiseType::GetTypeByName("chineserestaurant");
  ASSERT_NE(chinese, nullptr);
  EXPECT_EQ(chinese->GetCostPerHead(), -99);
  EXPECT_EQ(chinese->GetEffectiveCostPerHead(), 20);
  EXPECT_FALSE(chinese->IsLocked());
  EXPECT_EQ(SIM_SocialiseType::GetTypeByName("venue")->GetEffectiveCostPerHead(), 7);
  EXPECT_EQ(SIM_SocialiseType::GetTypeByName("nothing"), nullptr);
}

TEST_F(EventTypes, QualityTextsChangeAtAThirdAndTwoThirds) {
  SIM_SocialiseType type;
  type.SetQualityDescriptions("low", "middle", "high");
  const struct {
    float quality;
    const char* text;
  } cases[] = {{0.0f, "low"}, {0.329f, "low"}, {0.33f, "middle"}, {0.659f, "middle"}, {0.66f, "high"}, {1.0f, "high"}};
  for (const auto& c : cases) EXPECT_EQ(type.GetEventQualityDesc(c.quality), c.text) << c.quality;
}

TEST_F(EventTypes, BadRowsWarnOnceWithFileAndLineAndKeepADefault) {
  SIM_SocialiseType::LoadTypesFromText(
      "header\n" + Row("PARTY", "open", "5", "4", "\"music,0.5\",\"happiness,0.1,0.5\"") + Row("PARTY", "words", "lots", "4", "#,#"),
      "bad.csv");
  // An unknown flag on a row of its own.
  SIM_SocialiseType::LoadTypesFromText(
      "#,PARTY,flagged,F,d,n,,0,\"SOCFLAG_HOMEBASED,SOCFLAG_OUTDOORS\",,,\"_random,1.0\",l,m,h,i,0,5,-1,-1,1,1,1,1,1,1,1,2,4,,#,#\n",
      "flags.csv");
  ASSERT_NE(SIM_SocialiseType::GetTypeByName("open"), nullptr);
  EXPECT_EQ(SIM_SocialiseType::GetTypeByName("open")->GetInterests().size(), 2u) << "read to the end of the line";
  EXPECT_EQ(SIM_SocialiseType::GetTypeByName("words")->GetCostPerHead(), 0);
  SIM_SocialiseType* flagged = SIM_SocialiseType::GetTypeByName("flagged");
  EXPECT_TRUE(flagged->GetFlag(SIM_SocialiseType::SOCFLAG_HOMEBASED)) << "the known flag still counts";
  const std::string log = Log();
  for (const char* where : {"bad.csv:2", "bad.csv:3", "flags.csv:1"}) {
    EXPECT_NE(log.find(where), std::string::npos) << where;
  }
  EXPECT_NE(log.find("SOCFLAG_OUTDOORS"), std::string::npos);
  EXPECT_NE(log.find("\"lots\""), std::string::npos);
}

TEST_F(EventTypes, TheShippedTableReadsCleanlyAndCoversEveryKind) {
  SIM_SocialiseType::LoadTypes();
  const size_t count = SIM_SocialiseType::All.size();
  EXPECT_GE(count, 15u);
  EXPECT_LE(count, 20u);
  std::set<std::string> kinds;
  int homeBased = 0;
  for (SIM_SocialiseType* type : SIM_SocialiseType::All) {
    kinds.insert(type->GetProcessFunction());
    homeBased += type->GetFlag(SIM_SocialiseType::SOCFLAG_HOMEBASED);
    if (type->GetCostPerHead() == -99) {
      EXPECT_EQ(type->GetProcessFunction(), "RESTAURANT") << type->GetName();
    }
  }
  for (const char* kind : {"RESTAURANT", "MOVIE", "GAMBLING", "BEER", "NIGHTCLUB", "ROMANTIC", "BOWLING", "GAME"}) {
    EXPECT_TRUE(kinds.count(kind)) << kind;
  }
  EXPECT_GE(homeBased, 2);
  EXPECT_EQ(SIM_SocialiseType::GetTypeByName("cinema")->GetProcessFunction(), "MOVIE");
  EXPECT_NE(SIM_SocialiseType::GetTypeByName("bowling"), nullptr);
  EXPECT_NE(SIM_SocialiseType::GetTypeByName("chineserestaurant"), nullptr);
  EXPECT_EQ(Log().find("social_events.csv:"), std::string::npos) << "no warning about a row";
}

TEST_F(EventTypes, TwoNewGamesThenAWeeklyStepFreeEveryBandWithItsType) {
  SIM_SocialiseType::Open();
  size_t bands = SIM_EventQuality::All.size();
  EXPECT_GT(bands, 0u);
  SIM_SocialiseType::Open();
  EXPECT_EQ(SIM_EventQuality::All.size(), bands) << "the first game's bands went with their types";
  auto live = [](void* subject) {
    return std::find(SIM_SocialiseType::All.begin(), SIM_SocialiseType::All.end(), subject) != SIM_SocialiseType::All.end();
  };
  for (SIM_Rumour* rumour : SIM_Rumour::All) EXPECT_TRUE(live(rumour->GetSubject())) << "gossip about a freed venue";
  SIM_EventQuality::NextWeekAll();
  for (SIM_Rumour* rumour : SIM_Rumour::All) EXPECT_TRUE(live(rumour->GetSubject()));
  for (SIM_EventQuality* band : SIM_EventQuality::All) {
    EXPECT_NE(std::find(SIM_SocialiseType::All.begin(), SIM_SocialiseType::All.end(), band->GetEventType()),
              SIM_SocialiseType::All.end());
  }
  SIM_SocialiseType::Close();
  EXPECT_TRUE(SIM_EventQuality::All.empty());
  SIM_Rumour::Close();
}

TEST_F(EventTypes, AWeeksBandMatchesItsRumour) {
  SIM_SocialiseType pub;
  pub.SetName("pub");
  SIM_EventQuality band(&pub);
  int poor = 0, good = 0, plain = 0;
  for (int week = 0; week < 200; ++week) {
    SIM_Rumour::Close();
    band.NextWeek();
    float middle = (band.GetLow() + band.GetHigh()) / 2.0f;
    EXPECT_NEAR(band.GetHigh() - band.GetLow(), 0.1f, 1e-5f);
    if (middle < 0.3f) {
      ++poor;
      EXPECT_GE(band.GetLow(), 0.0f);
      EXPECT_LE(band.GetHigh(), 0.3f + 1e-5f);
      ASSERT_EQ(SIM_Rumour::All.size(), 1u);
      EXPECT_EQ(SIM_Rumour::All.front()->GetType(), SIM_Rumour::RUMOUR_SOCIALTYPE);
      EXPECT_EQ(SIM_Rumour::All.front()->GetSubject(), &pub);
      EXPECT_TRUE(IsLineOf("rumour_pub_bad", SIM_Rumour::All.front()->GetText()));
    } else if (middle > 0.7f) {
      ++good;
      EXPECT_GE(band.GetLow(), 0.7f - 1e-5f);
      EXPECT_LE(band.GetHigh(), 1.0f);
      ASSERT_EQ(SIM_Rumour::All.size(), 1u);
      EXPECT_TRUE(IsLineOf("rumour_pub_good", SIM_Rumour::All.front()->GetText()));
    } else {
      ++plain;
      EXPECT_TRUE(SIM_Rumour::All.empty());
    }
    const float a = band.GetQuality(), b = band.GetQuality();
    EXPECT_NE(a, b) << "a fresh draw every evening";
    EXPECT_GE(a, band.GetLow());
    EXPECT_LE(a, band.GetHigh());
  }
  EXPECT_GT(poor, 0);
  EXPECT_GT(good, 0);
  EXPECT_GT(plain, 0);
  // The weekly step leaves no rumour of last week's venues, and the rumours of other kinds alone.
  SIM_Rumour::AddRumour("film", SIM_Rumour::RUMOUR_MOVIE, &pub);
  for (int i = 0; i < 5; ++i) SIM_Rumour::AddRumour("old", SIM_Rumour::RUMOUR_SOCIALTYPE, &pub);
  SIM_EventQuality::NextWeekAll();
  EXPECT_EQ(SIM_Rumour::All.front()->GetText(), "film");
  for (SIM_Rumour* rumour : SIM_Rumour::All) EXPECT_NE(rumour->GetText(), "old");
  SIM_Rumour::Close();
}

TEST(Rumours, AreReadRoundRobinAndTheReaderSurvivesRemovals) {
  int subject = 0;
  EXPECT_EQ(SIM_Rumour::GetNextRumour(), nullptr);
  SIM_Rumour::AddRumour("A", SIM_Rumour::RUMOUR_MOVIE, &subject);
  SIM_Rumour::AddRumour("B", SIM_Rumour::RUMOUR_RESTAURANT, &subject);
  SIM_Rumour* c = SIM_Rumour::AddRumour("C", SIM_Rumour::RUMOUR_SOCIALTYPE, &subject);
  std::string read;
  for (int i = 0; i < 4; ++i) read += SIM_Rumour::GetNextRumour()->GetText();
  EXPECT_EQ(read, "ABCA");
  // The reader points at B: killing the restaurants moves it on to C; telling C moves it to the end.
  SIM_Rumour::KillRumours(SIM_Rumour::RUMOUR_RESTAURANT);
  EXPECT_EQ(SIM_Rumour::GetNextRumour(), c);
  SIM_Rumour::GetNextRumour();  // A again, the reader now on C
  SIM_Rumour::Remove(c);
  EXPECT_EQ(SIM_Rumour::GetNextRumour()->GetText(), "A");
  SIM_Rumour::AddRumour("D", SIM_Rumour::RUMOUR_MOVIE, &subject);
  EXPECT_EQ(SIM_Rumour::GetNextRumour()->GetText(), "A") << "adding starts the reading again";
  SIM_Rumour::Close();
  EXPECT_EQ(SIM_Rumour::GetNextRumour(), nullptr);

  SIM_Rumour::AddRumour("film", SIM_Rumour::RUMOUR_MOVIE, &subject);
  SIM_Rumour::AddRumour("food", SIM_Rumour::RUMOUR_RESTAURANT, &subject);
  SIM_Rumour::AddRumour("venue", SIM_Rumour::RUMOUR_SOCIALTYPE, &subject);
  SIM_Rumour::AddRumour("food2", SIM_Rumour::RUMOUR_RESTAURANT, &subject);
  SIM_Rumour::KillRumours(SIM_Rumour::RUMOUR_RESTAURANT);
  std::vector<std::string> left;
  for (SIM_Rumour* rumour : SIM_Rumour::All) left.push_back(rumour->GetText());
  EXPECT_EQ(left, (std::vector<std::string>{"film", "venue"}));
  SIM_Rumour::Close();
}

// ---- A real new game ------------------------------------------------------------------------

// An evening whose quality and player's mood the test sets, with no report opened.
class SetEvening : public SIM_SocialiseInstance {
 public:
  SetEvening(float quality, float mood) : m_setQuality(quality), m_setMood(mood) {}
  void EvaluateEventSuccess() override {
    m_eventQuality = m_setQuality;
    m_mood = m_setMood;
  }
  void DisplayPostMortem() override {}

 private:
  float m_setQuality;
  float m_setMood;
};

class Evening : public ::testing::Test {
 protected:
  void SetUp() override {
    HeadlessPlayer::StartNewGame(11);
    HeadlessPlayer::PlayToEndOfDay(true);
    vede = SIM_GetVede();
    for (SIM_SocialiseType* t : SIM_SocialiseType::All) t->SetLocked(false);
  }
  // A plain type with the given interests at weight 1 (everyone holding one is fully drawn to it).
  SIM_SocialiseType* Plain(const std::string& name, const std::vector<std::string>& interests = {}) {
    auto* type = new SIM_SocialiseType;
    type->SetName(name);
    type->SetGUIName("GUI " + name);
    for (int day = 0; day < 7; ++day) type->ForceDayAvailable(day);
    type->SetMonths(-1, -1);
    for (const std::string& interest : interests) type->AddInterest(interest, 1.0f);
    return type;
  }
  // Every interest type there is: every NPC holds one of them.
  std::vector<std::string> AllInterests() {
    std::vector<std::string> names;
    for (SIM_InterestType* interest : SIM_InterestType::All) names.push_back(interest->GetName());
    return names;
  }
  SIM_NPC* Guest() {
    SIM_NPC* npc = SIM_NPC::CreateNew(SIM_MALE);
    npc->FinishCreating();
    npc->GetCharacterTypes().clear();
    npc->SetIntroduced(true);
    SIM_Relationship* link = SIM_Relationship::Create(vede, npc);
    link->SetStrength(0.5f);
    return npc;
  }
  SetEvening* Run(SIM_SocialiseType* type, const std::vector<SIM_NPC*>& guests, SIM_Person* host, float quality,
                  float mood) {
    auto* evening = new SetEvening(quality, mood);
    evening->SetType(type);
    evening->SetHost(host);
    for (SIM_NPC* guest : guests) evening->AddAttendee(guest);
    evening->ProcessChunk();
    return evening;
  }
  static float EffectFrom(const char* attribute, const std::string& source) {
    float total = 0.0f;
    for (SIM_Effect* effect : SIM_Attribute::GetAttribute(attribute)->GetEffects()) {
      if (effect->GetDebugName() == source) total += effect->GetEffect();
    }
    return total;
  }
  SIM_Vede* vede = nullptr;
};

TEST_F(Evening, HostingThreeLowersLonelinessAndRaisesExtraversionOneStep) {
  SIM_SocialiseType* type = Plain("gathering", AllInterests());
  const float vorla = vede->GetValue("vorla");
  vede->ApplyEffect("loneliness", 0.6f, 1.0f, "a lonely spell");  // room to fall
  SetEvening* evening = Run(type, {Guest(), Guest(), Guest()}, vede, 1.0f, 1.0f);
  EXPECT_NEAR(EffectFrom("loneliness", "GUI gathering"), -0.2625f, 1e-5f);
  EXPECT_NEAR(EffectFrom("extravert", "large social event"),
              SIM_GetGlobalVariables()->Get("SOCIALISE_EXTRAVERT_BOOST"), 1e-6f);
  ASSERT_EQ(evening->GetEffects().size(), 3u);
  EXPECT_NEAR(evening->GetSocialVorla(), 0.06f, 1e-6f);
  EXPECT_GT(vede->GetValue("vorla"), vorla) << "renown earned by hosting";
  for (SIM_Person* guest : evening->GetAttendees()) {
    SIM_NPC* npc = static_cast<SIM_NPC*>(guest);
    EXPECT_EQ(npc->GetDaysSinceSeen(), 0);
    EXPECT_EQ(npc->GetRelationship(vede)->GetMeetingCount(), 1);
    for (SIM_Person* other : evening->GetAttendees()) {
      if (other == guest) continue;
      EXPECT_EQ(guest->GetRelationship(other)->GetMeetingCount(), 1) << "each pair's link boosted once";
      EXPECT_TRUE(guest->GetRelationship(other)->IsPlayerCreated());
    }
    EXPECT_GT(npc->GetBoredom()->GetEffect("gathering"), 0.9f);
  }
  EXPECT_NEAR(vede->GetBoredom()->GetEffect("gathering"), 0.8f, 1e-5f);
  delete type;
}

TEST_F(Evening, RenownIsCappedAndEarnedOnlyByAHost) {
  const struct {
    float quality, mood;
    bool interested;
    float renown;
  } cases[] = {{1.0f, 1.0f, true, 0.16f}, {0.0f, 0.0f, false, -0.1f}};
  for (const auto& c : cases) {
    SIM_SocialiseType* type = Plain(c.interested ? "fun" : "dull", c.interested ? AllInterests() : std::vector<std::string>{});
    std::vector<SIM_NPC*> guests;
    for (int i = 0; i < 10; ++i) guests.push_back(Guest());
    SetEvening* evening = Run(type, guests, vede, c.quality, c.mood);
    EXPECT_NEAR(evening->GetSocialVorla(), c.renown, 1e-5f);
    delete type;
  }
  // A friend's evening: renown reckoned but not earned.
  SIM_SocialiseType* type = Plain("theirs", AllInterests());
  SIM_NPC* host = Guest();
  const float vorla = vede->GetValue("vorla");
  SetEvening* evening = Run(type, {host, Guest(), Guest()}, host, 1.0f, 1.0f);
  EXPECT_GT(evening->GetSocialVorla(), 0.0f);
  EXPECT_FLOAT_EQ(vede->GetValue("vorla"), vorla);
  delete type;
}

TEST_F(Evening, EnjoymentAndTheChangeOfFriendshipFollowTheFactors) {
  SIM_SocialiseType* type = Plain("quiet");
  SIM_NPC* alone = Guest();
  SetEvening* evening = Run(type, {alone}, vede, 0.2f, 0.2f);
  SIM_SocialiseEffect* effect = evening->GetEffects().front();
  EXPECT_FLOAT_EQ(effect->GetFactor(SOCIAL_EFFECT_BESTCHEMISTRY), 0.5f) << "a lone guest";
  EXPECT_EQ(effect->GetBestChemistry(), nullptr);
  EXPECT_FLOAT_EQ(effect->GetFactor(SOCIAL_EFFECT_ACTIVITYATTRACTIVENESS), 0.0f);
  EXPECT_NEAR(effect->GetEnjoyment(), (0.2f + 0.2f + 0.0f + 0.5f) / 4.0f, 1e-6f);
  EXPECT_NEAR(effect->GetRelationChangeWithVede(), (effect->GetEnjoyment() - 0.5f) / 2.0f, 1e-6f) << "a loss halved";
  EXPECT_EQ(effect->GetChosenComments().size() <= 2, true);

  // A good evening for two: the gain is scaled; the host's own liking is at least 0.5.
  SIM_SocialiseType* liked = Plain("liked", AllInterests());
  SIM_NPC* host = Guest();
  SIM_NPC* guest = Guest();
  SetEvening* theirs = Run(liked, {host, guest}, host, 0.9f, 0.9f);
  for (SIM_SocialiseEffect* e : theirs->GetEffects()) {
    float expected = std::clamp((e->GetEnjoyment() - 0.5f) / 2.0f * SIM_GetGlobalVariables()->Get("GV_SOCIALISE_BOOST_SCALAR"),
                                0.0f, 1.0f);
    EXPECT_NEAR(e->GetRelationChangeWithVede(), expected, 1e-6f);
    EXPECT_GE(e->GetFactor(SOCIAL_EFFECT_ACTIVITYATTRACTIVENESS), 0.5f);
  }
  delete type;
  delete liked;
}

TEST_F(Evening, AFriendsPoorEveningStillCountsAsHalfGood) {
  SIM_SocialiseType* type = Plain("flop");
  type->ParseQuality("_random,0.0");
  SIM_NPC* host = Guest();
  SIM_SocialiseInstance theirs;
  theirs.SetType(type);
  theirs.SetHost(host);
  theirs.EvaluateEventSuccess();
  EXPECT_FLOAT_EQ(theirs.GetEventQuality(), 0.5f);
  SIM_SocialiseInstance mine;
  mine.SetType(type);
  mine.SetHost(vede);
  mine.EvaluateEventSuccess();
  EXPECT_FLOAT_EQ(mine.GetEventQuality(), 0.0f);
  delete type;
}

TEST_F(Evening, AVariableCostIsNeverSpentAsANegativeAmount) {
  SIM_SocialiseType* type = Plain("dinner");
  type->SetProcessFunction("PARTY");
  type->SetCosts(0, SIM_SocialiseType::kVariableCost);
  SIM_NPC* guest = Guest();
  const float cash = SIM_GetFinances()->GetCash();
  const float guestCash = guest->GetCash();
  std::list<SIM_Person*> guests = {guest};
  SIM_SocialiseInstance* evening = SIM_SocialiseInstance::Create(guests, type, vede);
  ASSERT_NE(evening, nullptr);
  EXPECT_EQ(evening->GetCostPerHead(), -99) << "the raw marker is kept";
  EXPECT_FLOAT_EQ(SIM_GetFinances()->GetCash(), cash - 20.0f);
  EXPECT_FLOAT_EQ(guest->GetCash(), std::max(0.0f, guestCash - 20.0f));
  delete type;
}

TEST_F(Evening, VerdictsRunFromTheFirstLineToTheLast) {
  SIM_SocialiseType* type = Plain("verdict");
  SIM_NPC* guest = Guest();
  SetEvening* evening = Run(type, {guest}, vede, 0.5f, 0.5f);
  SIM_SocialiseEffect* effect = evening->GetEffects().front();
  IniLoader* lines = GTranslation::GetLoader("SOCIALISE_EVENTQUALITY", GTranslation::GetStringsFile());
  const int n = lines->Count();
  ASSERT_GE(n, 3);
  const struct {
    float enjoyment;
    int line;
  } cases[] = {{0.0f, 0}, {0.25f, 0}, {0.5f, n / 2}, {0.75f, n - 1}, {1.0f, n - 1}};
  for (const auto& c : cases) {
    effect->SetEnjoyment(c.enjoyment);
    std::string expected = lines->GetValue(std::to_string(c.line).c_str());
    GTranslation::ReplaceToken(expected, "<NAME>", guest->GetFullName());
    EXPECT_EQ(effect->GetEventHappinessString(), expected) << c.enjoyment;
  }
  delete type;
}

TEST_F(Evening, GossipIsToldBesideTwoCommentsAtMostAndThenIsGone) {
  SIM_SocialiseType* type = Plain("chatter", AllInterests());
  int told = 0;
  for (int round = 0; round < 40; ++round) {
    SIM_Rumour::Close();
    SIM_Rumour::AddRumour("the pub is awful", SIM_Rumour::RUMOUR_SOCIALTYPE, type);
    SetEvening* evening = Run(type, {Guest(), Guest(), Guest()}, vede, 0.6f, 0.6f);
    const int toldBefore = told;
    for (SIM_SocialiseEffect* effect : evening->GetEffects()) {
      const auto& chosen = effect->GetChosenComments();
      bool gossip = std::find(chosen.begin(), chosen.end(), OPINION_RUMOUR) != chosen.end();
      EXPECT_EQ(gossip, !effect->GetPostMortemGossip().empty());
      EXPECT_EQ(effect->GetPostMortemComment().front(), '\'') << effect->GetPostMortemComment();
      EXPECT_EQ(effect->GetPostMortemComment().back(), '\'');
      EXPECT_EQ(effect->GetPostMortemComment().find("  "), std::string::npos) << effect->GetPostMortemComment();
      if (!gossip) continue;
      ++told;
      EXPECT_LE(chosen.size(), 3u) << "at most two comments beside the gossip";
      EXPECT_EQ(effect->GetPostMortemGossip(), "'the pub is awful.'");
    }
    if (told > toldBefore) {
      EXPECT_EQ(told, toldBefore + 1) << "one rumour, told once";
      EXPECT_TRUE(SIM_Rumour::All.empty()) << "a rumour told is gone";
    }
  }
  EXPECT_GT(told, 0);
  SIM_Rumour::Close();
  delete type;
}

TEST_F(Evening, ACoolStrangerWantsRenownAndACoolFriendDoesNot) {
  SIM_SocialiseType* type = Plain("outing", AllInterests());
  SIM_GetGlobalVariables()->Set("MIN_VORLA_SOCIALISE_COOL", 0.9f);
  SIM_Attribute::GetAttribute("vorla")->SetBaseValue(0.1f);
  SIM_NPC* stranger = Guest();
  stranger->GetCharacterTypes().push_back(SIM_CharacterType::GetByName("cool"));
  SIM_NPC* friendly = Guest();
  friendly->GetCharacterTypes().push_back(SIM_CharacterType::GetByName("cool"));
  friendly->GetRelationship(vede)->SetFriendship(true);
  GUI_GetWindowManager()->CloseAllDialogs();
  EXPECT_FALSE(stranger->AcceptInvite(type, vede));
  EXPECT_TRUE(GUI_GetWindowManager()->DialogActive()) << "the refusal is shown";
  EXPECT_FALSE(stranger->IsFlatteredByInvite());
  // The friend is never asked for renown; with every bonus it comes.
  SIM_GetGlobalVariables()->Set("INTROVERT_DECLINE_INVITE_PENALTY", 0.0f);
  EXPECT_TRUE(friendly->AcceptInvite(type, vede));
  delete type;
}

TEST_F(Evening, TwoRefusalsInADayMoveTheLinkOnce) {
  SIM_SocialiseType* type = Plain("again");
  SIM_NPC* npc = Guest();
  npc->SetBusy(true);
  SIM_GetGlobalVariables()->Set("INVITE_REJECTED_BUT_APPRECIATED_RELATIONSHIP_CHANGE", 0.05f);
  const float before = npc->GetRelationship(vede)->GetStrength();
  EXPECT_FALSE(npc->AcceptInvite(type, vede));
  EXPECT_FALSE(npc->AcceptInvite(type, vede));
  EXPECT_NEAR(npc->GetRelationship(vede)->GetStrength(), before + 0.05f, 1e-6f);
  SIM_NPC::ResetFlatteredByInviteAll();
  EXPECT_FALSE(npc->AcceptInvite(type, vede));
  EXPECT_NEAR(npc->GetRelationship(vede)->GetStrength(), before + 0.1f, 1e-6f) << "a new day, a new appreciation";
  delete type;
}

TEST_F(Evening, AnotherNPCsInvitationIsAcceptedOnlyWhenFreeFreshAffordableAndWanted) {
  SIM_SocialiseType* wanted = Plain("wanted", AllInterests());
  SIM_SocialiseType* unwanted = Plain("unwanted");
  SIM_SocialiseType* dear = Plain("dear", AllInterests());
  dear->SetCosts(0, 100000);
  SIM_NPC* host = Guest();
  SIM_NPC* npc = Guest();
  EXPECT_TRUE(npc->AcceptInvite(wanted, host));
  EXPECT_FALSE(npc->AcceptInvite(unwanted, host));
  EXPECT_FALSE(npc->AcceptInvite(dear, host));
  npc->GetBoredom()->AddEffect("wanted", 1.0f);
  EXPECT_FALSE(npc->AcceptInvite(wanted, host));
  delete wanted;
  delete unwanted;
  delete dear;
}

TEST_F(Evening, AnNPCHostsTheStrictlyBestTypeItCanAfford) {
  // Only the test's own types.
  while (!SIM_SocialiseType::All.empty()) delete SIM_SocialiseType::All.front();
  SIM_NPC* npc = Guest();
  SIM_SocialiseType* first = Plain("first", AllInterests());
  SIM_SocialiseType* second = Plain("second", AllInterests());
  EXPECT_EQ(SIM_SocialiseType::ChooseForNPC(npc), first) << "a tie keeps the earlier type";
  npc->GetBoredom()->AddEffect("first", 1.0f);
  EXPECT_EQ(SIM_SocialiseType::ChooseForNPC(npc), second) << "bored with the first";
  second->SetCosts(0, SIM_SocialiseType::kVariableCost);
  npc->SpendMoney(npc->GetCash());
  npc->AddCash(19.0f);
  EXPECT_EQ(SIM_SocialiseType::ChooseForNPC(npc), nullptr) << "a VARIABLE cost is priced at 20";
  npc->AddCash(1.0f);
  EXPECT_EQ(SIM_SocialiseType::ChooseForNPC(npc), second);
  SIM_SocialiseType* romantic = Plain("date", AllInterests());
  romantic->SetProcessFunction("ROMANTIC");
  npc->GetBoredom()->AddEffect("second", 1.0f);
  EXPECT_EQ(SIM_SocialiseType::ChooseForNPC(npc), nullptr) << "no partner: no romantic evening";
  EXPECT_FLOAT_EQ(npc->GetActivityAttractiveness(romantic), 0.0f);
  EXPECT_EQ(SIM_SocialiseType::ChooseForNPC(nullptr), nullptr);
}

TEST_F(Evening, TypesUnlockOnlyPastTheirThresholdAndTirednessIsChecked) {
  SIM_SocialiseType* locked = Plain("locked");
  locked->SetUnlockThreshold(5.0f);
  locked->SetLocked(true);
  SIM_TimeChunkType::UnlockPoints = 5.0f;
  SIM_SocialiseType::CheckUnlocks();
  EXPECT_TRUE(locked->IsLocked()) << "strictly above";
  SIM_TimeChunkType::UnlockPoints = 5.5f;
  SIM_SocialiseType::CheckUnlocks();
  EXPECT_FALSE(locked->IsLocked());

  SIM_SocialiseType* tiring = Plain("tiring");
  EXPECT_FALSE(tiring->IsTooTired());
  tiring->AddPreRequisite("_energy,2.0", false, false);
  tiring->AddPreRequisite("_energy,0.0", false, false);
  EXPECT_TRUE(tiring->IsTooTired()) << "only the first energy threshold counts";
  delete locked;
  delete tiring;
}

TEST_F(Evening, AGameSkillGrowsWhenNPCsPlayWithoutThePlayer) {
  SIM_SocialiseType* chess = Plain("chess");
  chess->SetProcessFunction("GAME");
  SIM_NPC* npc = Guest();
  chess->ResolveEvent(npc);
  const float gain = SIM_GetGlobalVariables()->Get("GV_GAMESKILL_GAIN");
  EXPECT_GE(npc->GetValue("chess"), 0.9f * gain - 1e-6f);
  EXPECT_LE(npc->GetValue("chess"), 1.1f * gain + 1e-6f);
  EXPECT_FLOAT_EQ(npc->GetBoredom()->GetEffect("chess"), 1.0f);
  delete chess;
}

TEST_F(Evening, AnAssetForASocialEventIsUsableOnlyOnItsDays) {
  const int today = SIM_Date::PPresentDay->GetDayOfWeek();
  auto* todayOnly = new SIM_SocialiseType;
  todayOnly->SetName("todayonly");
  todayOnly->ForceDayAvailable(today);
  auto* otherDays = new SIM_SocialiseType;
  otherDays->SetName("otherdays");
  for (int day = 0; day < 7; ++day) {
    if (day != today) otherDays->ForceDayAvailable(day);
  }
  const struct {
    const char* script;
    bool usable;
  } cases[] = {{"SelectSocial(todayonly);", true}, {"SelectSocial(otherdays);", false}, {"ApplyEffect(happiness,0.1,0.5,x);", true}};
  for (const auto& c : cases) {
    SIM_Asset asset;
    asset.SetUseScript(c.script);
    EXPECT_EQ(asset.UsableToday(), c.usable) << c.script;
  }
  delete todayOnly;
  delete otherDays;
}

}  // namespace
