#include <gtest/gtest.h>

#include <cstdlib>

#include "GUI_Message.h"
#include "GUI_Sounds.h"
#include "GUI_WindowManager.h"
#include "SIM_Date.h"
#include "SIM_SIM.h"
#include "SIM_ScheduledEvents.h"
#include "SIM_TimeChunkType.h"
#include "SimCoreTestSupport.h"

namespace {

class ActivityTypeTest : public ::testing::Test {
 protected:
  void SetUp() override {
    GetDebug()->Initialise();
    simtest::PlayerFrom("sim_core/attributes.csv");
    SIM_Date::Open();
    Today(0, 0, 2);  // a Wednesday in January
    SIM_GetSim()->SetSlots(1, 0);
    type.SetName("picnic");
    type.SetGUIName("Picnic");
    type.SetMonths(-1, -1);
  }
  void TearDown() override {
    SIM_GetScheduledEvents()->Clear();
    SIM_Date::Close();
    simtest::ResetPlayerState();
  }
  static void Today(int day, int month, int dayOfWeek) {
    *SIM_Date::PPresentDay = SIM_Date(day, month, 2020);
    SIM_Date::PPresentDay->SetDayOfWeek(dayOfWeek);
  }
  static void SetBase(const char* name, float value) {
    SIM_Attribute::GetAttribute(name)->SetBaseValue(value);
    SIM_GetVede()->RecalcAttributes();
  }
  SIM_TimeChunkType type;
};

TEST_F(ActivityTypeTest, DaysMonthsAndLock) {
  type.ForceDayAvailable(5);
  type.ForceDayAvailable(6);
  type.ForceDayAvailable(7);  // no such day: ignored
  EXPECT_FALSE(type.GetDayAvailable(7));
  for (int day = 0; day < 7; ++day) {
    Today(0, 0, day);
    EXPECT_EQ(type.IsAvailable(), day >= 5) << day;  // weekend only: not on day 2
  }
  type.SetMonths(3, 5);
  for (int month = 0; month < 12; ++month) {
    Today(0, month, 5);
    EXPECT_EQ(type.RightTimeOfYear(), month >= 3 && month <= 5) << month;
  }
  type.SetLocked(true);
  Today(0, 4, 5);
  EXPECT_FALSE(type.IsAvailable());
}

TEST_F(ActivityTypeTest, PrerequisiteWithALessThanIsAMaximum) {
  struct Case {
    const char* text;
    float fitness;
    bool met;
  } cases[] = {
      {"fitness,<0.3", 0.29f, true}, {"fitness,<0.3", 0.3f, false},
      {"fitness,0.3", 0.3f, true},   {"fitness,0.3", 0.29f, false},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.text);
    SIM_TimeChunkType t;
    t.AddPreRequisite(c.text, false, false);
    ASSERT_EQ(t.GetPreRequisites().size(), 1u);
    SetBase("fitness", c.fitness);
    EXPECT_EQ(t.MeetsPrerequisites(), c.met);
  }
  SIM_TimeChunkType t;
  t.AddPreRequisite("x", false, false);        // too short
  t.AddPreRequisite("f,0.5", false, false);    // a one-letter name
  EXPECT_TRUE(t.GetPreRequisites().empty());
  EXPECT_TRUE(t.MeetsPrerequisites());
  t.AddPreRequisite("confidence,0.4", false, false);
  EXPECT_FLOAT_EQ(t.GetPreReq("confidence"), 0.4f);
  EXPECT_FLOAT_EQ(t.GetPreReq("stress"), 0.0f);
}

TEST_F(ActivityTypeTest, ScheduledForToday) {
  SIM_GetScheduledEvents()->ScheduleEvent("picnic", *SIM_Date::PPresentDay, "Picnic today");
  type.AddPreRequisite("fitness,0.99", false, false);  // not met
  EXPECT_TRUE(type.IsAvailable());  // a weekday: scheduled beats days and prerequisites
  type.SetLocked(true);
  EXPECT_FALSE(type.IsAvailable());
  type.SetLocked(false);

  Today(0, 0, 5);
  SIM_GetScheduledEvents()->ScheduleEvent("picnic", *SIM_Date::PPresentDay, "Picnic today");
  SIM_GetSim()->SetSlots(2, 0);
  EXPECT_FALSE(type.IsScheduledForToday());  // a two-slot weekend day: not before the first slot
  SIM_GetSim()->SetSlots(2, 1);
  EXPECT_TRUE(type.IsScheduledForToday());

  SIM_TimeChunkType bowling;
  bowling.SetName("bowlingmatch");
  SIM_GetSim()->SetSlots(2, 0);
  EXPECT_FALSE(bowling.RightTimeOfDay());
  SIM_GetSim()->SetSlots(2, 1);
  EXPECT_TRUE(bowling.RightTimeOfDay());
}

TEST_F(ActivityTypeTest, RestrictedOnlyByEnergy) {
  type.ForceDayAvailable(2);
  type.AddPreRequisite("_energy,0.5", false, false);
  SIM_GetVede()->ApplyEffect("_energy", 0.0f, 0.0f, "test");  // creates a plain value at 0
  EXPECT_FALSE(type.IsAvailable());
  EXPECT_TRUE(type.RestrictedOnlyByEnergy());
  type.AddPreRequisite("confidence,0.1", false, false);
  EXPECT_FALSE(type.RestrictedOnlyByEnergy());  // something other than energy holds it back too
}

TEST_F(ActivityTypeTest, QualityRecipe) {
  SetBase("confidence", 0.6f);
  SetBase("optimism", 0.2f);
  SIM_NamedValueList::ForceGlobal("glob_sunny", 0.5f);
  struct Case {
    const char* recipe;
    float quality;
  } cases[] = {
      {"confidence,0.5,optimism,0.5", 0.4f},
      {"confidence,0.5,glob_sunny,0.4", 0.5f},       // game-wide values count too
      {"confidence,0.5,nosuchvalue,1.0", 0.3f},     // a missing name adds nothing
      {"confidence,2.0,optimism,1.0", 1.0f},        // clamped to 1
      {"optimism,-2.0", 0.0f},                      // and to 0
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.recipe);
    SIM_TimeChunkType t;
    t.ParseQuality(c.recipe);
    EXPECT_NEAR(t.GetEventQuality(), c.quality, 1e-6f);
  }
  SIM_TimeChunkType random;
  random.ParseQuality("_random,0.5");
  std::srand(3);
  float lowest = 1.0f, highest = 0.0f;
  for (int i = 0; i < 2000; ++i) {
    float q = random.GetEventQuality();
    lowest = std::min(lowest, q);
    highest = std::max(highest, q);
  }
  EXPECT_GE(lowest, 0.0f);
  EXPECT_LT(lowest, 0.05f);
  EXPECT_LE(highest, 0.5f);
  EXPECT_GT(highest, 0.45f);
}

// The text of the newest message window, or "" when none is open.
std::string LastMessageText() {
  const auto& windows = GUI_GetWindowManager()->GetWindows();
  for (auto it = windows.rbegin(); it != windows.rend(); ++it)
    if (auto* message = dynamic_cast<GUI_Message*>(*it)) return message->GetText();
  return "";
}

TEST_F(ActivityTypeTest, UnlockTellsThePlayerOnce) {
  type.SetLocked(true);
  type.Unlock();
  EXPECT_FALSE(type.IsLocked());
  EXPECT_NE(LastMessageText().find("Picnic"), std::string::npos);
  EXPECT_EQ(LastMessageText().find("<ACTIVITY>"), std::string::npos);
  EXPECT_EQ(GUI_GetSounds()->GetLastPlayed(), "data/sounds/flourish.ogg");
  const std::string before = LastMessageText();
  type.SetGUIName("Changed");
  type.Unlock();  // already unlocked: nothing
  EXPECT_EQ(LastMessageText(), before);
}

}  // namespace
