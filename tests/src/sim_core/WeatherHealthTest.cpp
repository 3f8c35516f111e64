#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <string>

#include "GUI_EventList.h"
#include "GUI_Sounds.h"
#include "SIM_Date.h"
#include "SIM_Dirt.h"
#include "SIM_GlobalVariable.h"
#include "SIM_Health.h"
#include "SIM_SIM.h"
#include "SIM_Script.h"
#include "SIM_Weather.h"
#include "SimCoreTestSupport.h"

namespace {

const char* kWind = "data/sounds/cold_wind_loop.ogg";

// 10,000 draws for each month of the shipped table follow that month's row: each type within five
// standard errors of its chance, and a type of chance 0 never comes.
TEST(Weather, DrawsFollowTheMonthsRow) {
  SIM_Weather weather;
  weather.Open();
  SIM_Date::Open();
  std::srand(12345);
  const int draws = 10000;
  for (int month = 0; month < SIM_Weather::MONTHS; ++month) {
    SCOPED_TRACE(month);
    *SIM_Date::PPresentDay = SIM_Date(0, month, 2020);
    int counts[SIM_Weather::WEATHER_COUNT] = {};
    float sum = 0.0f;
    for (int i = 0; i < draws; ++i) {
      weather.PickNewWeather();
      ++counts[weather.GetType()];
      ASSERT_GE(weather.GetDaysLeft(), 1);
      ASSERT_LE(weather.GetDaysLeft(), 4);
    }
    for (int type = 0; type < SIM_Weather::WEATHER_COUNT; ++type) {
      float p = weather.GetProbability(month, type);
      sum += p;
      double expected = p * draws;
      double sd = std::sqrt(draws * static_cast<double>(p) * (1.0 - static_cast<double>(p)));
      if (p == 0.0f) {
        EXPECT_EQ(counts[type], 0) << "type " << type;
      } else {
        EXPECT_NEAR(counts[type], expected, 5.0 * sd + 1.0) << "type " << type;
      }
    }
    // The shipped climate: each row sums to 1, snow only in December to February.
    EXPECT_NEAR(sum, 1.0f, 1e-5f);
    if (month >= 2 && month <= 10) {
      EXPECT_EQ(weather.GetProbability(month, SIM_Weather::WEATHER_SNOW), 0.0f);
    }
  }
  SIM_Date::Close();
}

TEST(Weather, TableRowsBeyondTwelveAreIgnoredAndMissingMonthsAreSun) {
  GetDebug()->Initialise();
  std::string rows, elevenRows;
  for (int m = 0; m < 13; ++m) {
    rows += "#,m" + std::to_string(m) + ",0,0,1,0\n";
    if (m == 10) elevenRows = rows;
  }
  std::string thirteen = testsupport::TestRoot() + "/weather13.csv";
  testsupport::WriteFile(thirteen, rows);
  SIM_Weather weather;
  weather.Open(thirteen.c_str());
  EXPECT_EQ(weather.GetProbability(11, SIM_Weather::WEATHER_RAIN), 1.0f);
  EXPECT_EQ(simtest::CountLogLines(thirteen + ":13: more than twelve months"), 1);

  std::string eleven = testsupport::TestRoot() + "/weather11.csv";
  testsupport::WriteFile(eleven, elevenRows);
  SIM_Weather shortTable;
  shortTable.Open(eleven.c_str());
  EXPECT_EQ(shortTable.GetProbability(10, SIM_Weather::WEATHER_RAIN), 1.0f);
  EXPECT_EQ(shortTable.GetProbability(11, SIM_Weather::WEATHER_SUN), 1.0f);
  EXPECT_EQ(shortTable.GetProbability(11, SIM_Weather::WEATHER_RAIN), 0.0f);
  EXPECT_EQ(simtest::CountLogLines(eleven + ":11: only 11 months given"), 1);  // after the last month
}

TEST(Weather, SnowPlaysTheWindAtItsIntensity) {
  simtest::ResetPlayerState();
  SIM_Weather weather;
  weather.SetNewWeather(SIM_Weather::WEATHER_SNOW);
  float snow = weather.GetIntensity(SIM_Weather::WEATHER_SNOW);
  EXPECT_GE(snow, 0.1f);
  EXPECT_LE(snow, 1.0f);
  EXPECT_EQ(weather.GetIntensity(SIM_Weather::WEATHER_SUN), 0.0f);
  EXPECT_EQ(weather.GetIntensity(7), 0.0f);
  EXPECT_FLOAT_EQ(SIM_NamedValueList::Globals.GetValue("weather_snow"), snow);
  ASSERT_TRUE(GUI_GetSounds()->IsPlaying(kWind));
  weather.SetNewWeather(SIM_Weather::WEATHER_SNOW);  // still snowing: the same loop, new volume
  int slots = 0;
  for (int s = 0; s < GUI_Sounds::SLOTS; ++s) {
    if (GUI_GetSounds()->GetSlotName(s) == kWind) {
      ++slots;
      EXPECT_FLOAT_EQ(GUI_GetSounds()->GetSlotVolume(s), weather.GetIntensity(SIM_Weather::WEATHER_SNOW));
    }
  }
  EXPECT_EQ(slots, 1);
  weather.SetNewWeather(SIM_Weather::WEATHER_SUN);
  EXPECT_FALSE(GUI_GetSounds()->IsPlaying(kWind));
  EXPECT_EQ(SIM_NamedValueList::Globals.GetValue("weather_snow"), 0.0f);
  simtest::ResetPlayerState();
}

class HomeTest : public ::testing::Test {
 protected:
  void SetUp() override {
    GetDebug()->Initialise();
    SIM_GetGlobalVariables()->Load();
    simtest::ResetPlayerState();
    SIM_GetVede()->LoadAttributes();
    SIM_GetVede()->RecalcAttributes();
    SIM_GetDirt()->Initialise();
    SIM_GetHealth()->Initialise();
  }
  void TearDown() override { simtest::ResetPlayerState(); }
  static float Germs() { return SIM_GetVede()->GetValue("germs"); }
};

TEST_F(HomeTest, DirtBreedsGermsAboveFourTenths) {
  struct Case {
    float dirt;
    float germs;
  } cases[] = {{0.4f, 0.0f}, {0.8f, 0.1f}, {1.0f, 0.15f}};  // 0.25 x (dirt - 0.4) x rate 1
  for (const Case& c : cases) {
    SCOPED_TRACE(c.dirt);
    simtest::ResetPlayerState();
    SIM_GetVede()->LoadAttributes();
    SIM_Dirt::GetDirtValue()->SetValue(c.dirt);
    SIM_GetHealth()->CatchGermsFromDirt();
    EXPECT_NEAR(Germs(), c.germs, 1e-6f);
  }
}

TEST_F(HomeTest, PetsDirtyTheHomeUntilItIsCleaned) {
  SIM_NamedValueList::ForceGlobal("dog", 1.0f);
  SIM_NamedValueList::ForceGlobal("cat", 1.0f);
  const float bonus = SIM_GetGlobalVariables()->Get("GV_DIRT_PET_BONUS");
  SIM_Dirt::GetDirtValue()->SetValue(0.45f);
  GUI_GetEventList()->Clear();
  for (int night = 1; night <= 3; ++night) {
    SIM_GetDirt()->NextDay();
    EXPECT_NEAR(SIM_GetDirt()->GetCachedDirt(), 0.45f + 2 * bonus * night, 1e-5f);
  }
  // Above 0.5 the diary hears of it every night.
  int dirty = 0;
  for (const std::string& key : GUI_GetEventList()->GetEvents()) dirty += key == "DIRTY_HOUSE";
  EXPECT_EQ(dirty, 0.45f + 2 * bonus > 0.5f ? 3 : 2);
  EXPECT_TRUE(GUI_GetEventList()->HasAfterWorkEvent());

  // Scripts dirty the home through the hook; a dishwasher takes a quarter off.
  const float rate = SIM_GetGlobalVariables()->Get("GV_DIRT_ACCUMULATE_RATE");
  SIM_Dirt::GetDirtValue()->SetValue(0.2f);
  SIM_GetScript()->RunScript("Call(dirtyhome)", 1.0f);
  EXPECT_NEAR(SIM_Dirt::GetDirtValue()->GetValue(), 0.2f + rate, 1e-5f);
  SIM_NamedValueList::ForceGlobal("dishwasher", 1.0f);
  SIM_GetScript()->RunScript("Call(dirtyhome)", 1.0f);
  EXPECT_NEAR(SIM_Dirt::GetDirtValue()->GetValue(), 0.2f + 1.75f * rate, 1e-5f);
  SIM_GetDirt()->CleanHome();
  EXPECT_EQ(SIM_Dirt::GetDirtValue()->GetValue(), 0.0f);
  EXPECT_EQ(SIM_GetDirt()->GetCachedDirt(), 0.0f);
}

TEST_F(HomeTest, IllnessColdsAndRecovery) {
  SIM_Health* health = SIM_GetHealth();
  std::srand(7);
  SIM_Attribute::GetAttribute("health")->SetBaseValue(0.0f);
  SIM_GetVede()->RecalcAttributes();

  // No cold in the first ten day turns, whatever the odds.
  SIM_GetSim()->SetTurnCount(9);
  for (int i = 0; i < 50; ++i) health->CheckForCold(1.0f);
  EXPECT_TRUE(health->IsHealthy());
  SIM_GetSim()->SetTurnCount(10);
  health->CheckForCold(1.0f);  // health 0: a certain cold
  EXPECT_EQ(health->GetState(), SIM_Health::COLD);
  EXPECT_GE(health->GetDaysLeft(), 2);
  EXPECT_LE(health->GetDaysLeft(), 4);
  int nights = 0;
  while (!health->IsHealthy() && nights < 10) {
    health->CheckForRecovery();
    ++nights;
  }
  EXPECT_GE(nights, 2);
  EXPECT_LE(nights, 4);

  // Ill with germs at 0.5 or more: never better until the germs fall.
  health->SetState(SIM_Health::ILL, 0);
  SIM_GetVede()->ApplyEffect("germs", 0.6f, 1.0f, "test");
  for (int i = 0; i < 200; ++i) health->CheckForRecovery();
  EXPECT_EQ(health->GetState(), SIM_Health::ILL);
  SIM_GetVede()->ApplyEffect("germs", -0.6f, 1.0f, "test");
  for (int i = 0; i < 200 && !health->IsHealthy(); ++i) health->CheckForRecovery();
  EXPECT_TRUE(health->IsHealthy());

  // Stress near the top brings a stress illness of 5 to 8 nights.
  SIM_GetVede()->ApplyEffect("stress", 1.0f, 1.0f, "test");
  for (int i = 0; i < 100 && health->IsHealthy(); ++i) health->CheckForNewIllness();  // chance 0.4 a night
  EXPECT_EQ(health->GetState(), SIM_Health::STRESS_ILLNESS);
  EXPECT_GE(health->GetDaysLeft(), 5);
  EXPECT_LE(health->GetDaysLeft(), 8);
}

}  // namespace
