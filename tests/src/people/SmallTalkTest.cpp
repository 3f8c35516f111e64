// Small talk: the day's topics and their intensities, the most intense one chosen (a used one stays
// first), temporary topics ageing once a night; and the player's one-line description.
#include "GTranslation.h"
#include "IniLoader.h"
#include "PeopleTestSupport.h"
#include "SIM_Description.h"
#include "SIM_Finances.h"
#include "SIM_Health.h"
#include "SIM_SmallTalk.h"
#include "SIM_Weather.h"

namespace {

class Talk : public peopletest::Town {
 protected:
  void SetUp() override {
    Town::SetUp();
    SIM_GetFinances()->SetCash(0.0f);
    SIM_NamedValueList::ForceGlobal("weight", 0.5f);
    SIM_GetSmallTalk()->Clear();
  }
  static const SmallTalkTopic* Topic(const std::string& key) {
    for (const SmallTalkTopic& topic : SIM_GetSmallTalk()->GetTopics()) {
      if (topic.key == key) return &topic;
    }
    return nullptr;
  }
  // The section a chat line came from.
  static std::string SectionOf(const std::string& line) {
    for (const char* section : {"SMALLTALK_DOG", "SMALLTALK_WEATHER_SUN", "SMALLTALK_DEFAULT", "SMALLTALK_WEALTHY"}) {
      IniLoader* loader = GTranslation::GetLoader(section, GTranslation::GetStringsFile());
      for (int i = 0; i < loader->Count(); ++i) {
        if (line == loader->GetValue(std::to_string(i).c_str())) return section;
      }
    }
    return "?";
  }
};

TEST_F(Talk, TheDaysTopicsCarryTheirIntensities) {
  SIM_GetWeather()->SetNewWeather(SIM_Weather::WEATHER_SUN);
  SIM_GetWeather()->ForceIntensity(SIM_Weather::WEATHER_SUN, 0.3f);
  struct Case {
    float cash;
    float weight;
    const char* key;
    float intensity;  // < 0: no such topic
  };
  const Case cases[] = {
      {4000.0f, 0.5f, "SMALLTALK_WEALTHY", 0.8f}, {6000.0f, 0.5f, "SMALLTALK_WEALTHY", 1.0f},
      {1000.0f, 0.5f, "SMALLTALK_WEALTHY", -1.0f}, {0.0f, 0.7f, "SMALLTALK_FAT", -1.0f},
      {0.0f, 0.3f, "SMALLTALK_SLIM", -1.0f},       {0.0f, 0.85f, "SMALLTALK_FAT", 0.5f},
      {0.0f, 0.15f, "SMALLTALK_SLIM", 0.5f},       {0.0f, 0.5f, "SMALLTALK_WEATHER_SUN", 0.3f},
      {0.0f, 0.5f, "SMALLTALK_DEFAULT", 0.1f},
  };
  for (const Case& c : cases) {
    SIM_GetFinances()->SetCash(c.cash);
    SIM_NamedValueList::ForceGlobal("weight", c.weight);
    SIM_GetSmallTalk()->NextDay();
    const SmallTalkTopic* topic = Topic(c.key);
    if (c.intensity < 0.0f) {
      EXPECT_EQ(topic, nullptr) << c.key << " at cash " << c.cash << ", weight " << c.weight;
    } else {
      ASSERT_NE(topic, nullptr) << c.key;
      EXPECT_NEAR(topic->intensity, c.intensity, 1e-5f) << c.key;
    }
  }
}

TEST_F(Talk, TheMostIntenseTopicWinsTheEarliestOnATieAndAUsedOneStaysFirst) {
  SIM_GetWeather()->SetNewWeather(SIM_Weather::WEATHER_SUN);
  SIM_GetWeather()->ForceIntensity(SIM_Weather::WEATHER_SUN, 0.3f);
  SIM_NamedValueList::ForceGlobal("dog", 1.0f);
  SIM_GetSmallTalk()->NextDay();
  SIM_NPC* npc = Npc();
  for (int i = 0; i < 3; ++i) EXPECT_EQ(SectionOf(SIM_GetSmallTalk()->GetString(npc)), "SMALLTALK_DOG");
  EXPECT_EQ(Topic("SMALLTALK_DOG")->GetEffectiveIntensity(), 1.0f);

  SIM_SmallTalk* talk = SIM_GetSmallTalk();
  SIM_NamedValueList::ForceGlobal("dog", 0.0f);
  talk->NextDay();
  talk->AddTopic("SMALLTALK_WEALTHY", 0.3f);  // ties the sun, added later
  EXPECT_EQ(SectionOf(talk->GetString(npc)), "SMALLTALK_WEATHER_SUN");
}

TEST_F(Talk, TemporaryTopicsAgeOnceANightWhereverTheyStand) {
  SIM_SmallTalk* talk = SIM_GetSmallTalk();
  talk->AddTempEvent("SMALLTALK_PROMOTION", 5);
  talk->AddTempEvent("SMALLTALK_BURGLED", 3);
  talk->AddTempEvent("SMALLTALK_MUGGED", 1);
  talk->NextDay();  // the mugging is over; the others have aged one day each
  ASSERT_EQ(talk->GetTempEvents().size(), 2u);
  EXPECT_EQ(talk->GetTempEvents().front()->elapsed, 1.0f) << "aged once, though it stood before an expiring one";
  EXPECT_NE(Topic("SMALLTALK_BURGLED"), nullptr);
  EXPECT_EQ(Topic("SMALLTALK_MUGGED"), nullptr);
  talk->NextDay();
  EXPECT_NE(Topic("SMALLTALK_BURGLED"), nullptr) << "a topic for three days lasts two rebuilds";
  talk->NextDay();
  EXPECT_EQ(Topic("SMALLTALK_BURGLED"), nullptr);
  EXPECT_NEAR(Topic("SMALLTALK_PROMOTION")->intensity, 0.5f, 1e-6f);
}

TEST_F(Talk, TheDescriptionHoldsBackWordsJustUsedAndSaysAnBeforeAVowel) {
  struct Case {
    const char* word;
    bool an;
  };
  const Case cases[] = {{"Upbeat", true}, {"Honest", true}, {"Optimistic", true},
                        {"upbeat", false}, {"Happy", false}, {"", false}};
  for (const Case& c : cases) EXPECT_EQ(SIM_Description::NeedsAN(c.word), c.an) << c.word;

  SIM_Description* description = SIM_GetDescription();
  description->Initialise();
  description->AddAdjectiveCandidate("Upbeat", 0.5f);
  description->SelectAdjectives();
  description->SetAdjuster(description->GetFirstAdjective(), -0.2f);
  description->DegradeAdjusters();
  EXPECT_NEAR(description->GetAdjuster("Upbeat"), -0.12f, 1e-6f);

  description->Initialise();
  description->SetAdjuster("Upbeat", -0.12f);
  description->AddAdjectiveCandidate("Upbeat", 0.5f);
  description->AddAdjectiveCandidate("Calm", 0.4f);
  description->SelectAdjectives();
  EXPECT_EQ(description->GetFirstAdjective(), "Calm") << "0.38 against 0.4";
  EXPECT_EQ(description->GetSecondAdjective(), "Upbeat");

  description->Initialise();
  description->AddNounCandidate("Party Animal", 0.3f);
  description->AddNounCandidate("Party Animal", 0.3f);
  EXPECT_NEAR(description->GetNounCandidates().front()->score, 0.6f, 1e-6f);
  for (int i = 0; i < 3; ++i) description->AddNounCandidate("Party Animal", 0.3f);
  EXPECT_EQ(description->GetNounCandidates().front()->score, 1.0f);
  description->AddNounCandidate("NULL", 1.0f);
  EXPECT_EQ(description->GetNounCandidates().size(), 1u);
}

TEST_F(Talk, TheComposedLineUsesItsTemplatesAndTheIllLineLeavesTheAdjustersAlone) {
  SIM_GetFinances()->SetCash(50.0f);
  SIM_Description* description = SIM_GetDescription();
  description->Initialise();
  description->AddNounCandidate("Party Animal", 1.0f);
  description->Compose();
  const std::string line = description->GetDescription();
  EXPECT_EQ(line.find("Alex"), 0u) << line;
  EXPECT_NE(line.find("Party Animal"), std::string::npos) << line;
  EXPECT_EQ(line.find('<'), std::string::npos) << line;
  EXPECT_NEAR(description->GetAdjuster("Party Animal"), -0.12f, 1e-6f);
  // With no friends the one adjective is "Reclusive" and the single template is used.
  EXPECT_EQ(description->GetFirstAdjective(), GTranslation::GetString("DESC_RECLUSIVE"));
  EXPECT_EQ(description->GetSecondAdjective(), "");

  SIM_GetHealth()->SetState(SIM_Health::ILL, 3);
  description->Compose();
  EXPECT_EQ(description->GetDescription(), GTranslation::GetString("AVATAR_DESCRIPTION_ILL"));
  EXPECT_NEAR(description->GetAdjuster("Party Animal"), -0.12f, 1e-6f);
}

}  // namespace
