// Crime headless: the mugging test's guards in their order (the countdown falls while they hold),
// the fighting skill's three outcomes at their edges, the money a thief takes, the burglary's
// alarm before its dog, and a new game that forgets the last crime.
#include <gtest/gtest.h>

#include <string>

#include "GUI_EventList.h"
#include "Game.h"
#include "HeadlessPlayer.h"
#include "SIM_CommuteMethod.h"
#include "SIM_Crime.h"
#include "SIM_Date.h"
#include "SIM_Finances.h"
#include "SIM_Health.h"
#include "SIM_JobBase.h"
#include "SIM_NamedValue.h"
#include "SIM_SIM.h"
#include "SIM_SmallTalk.h"
#include "SIM_StandInLog.h"
#include "SIM_Vede.h"

namespace {

constexpr int kLawEnforcementJob = 1801;  // the traffic warden

class Crime : public ::testing::Test {
 protected:
  void SetUp() override {
    HeadlessPlayer::StartNewGame(3);
    // Far enough into the game that the last crime is no bar.
    SIM_GetSim()->SetTurnCount(100);
    C()->SetLastCrimeTurn(0);
    SIM_GetVede()->SetJob(SIM_JobBase::OutOfWork());
    SIM_CommuteMethod::SetMethodByName("walk");
    SetValue("muscles", 0.2f);
    SetValue("kungfu", 0.0f);
    SetValue("kickboxing", 0.0f);
    SIM_NamedValueList::ForceGlobal("alarm", 0.0f);
    SIM_NamedValueList::ForceGlobal("dog", 0.0f);
    SIM_GetHealth()->Initialise();
    SIM_GetFinances()->SetCash(1000.0f);
    GUI_GetEventList()->Clear();
    SIM_GetSmallTalk()->Clear();
    // A Monday: burglars work weekdays.
    while (SIM_Date::PPresentDay->GetDayOfWeek() != 0) SIM_Date::PPresentDay->IncrementDays(1);
  }

  static SIM_Crime* C() { return SIM_GetCrime(); }
  static void SetValue(const char* name, float value) { SIM_GetVede()->GetNamedValue(name, true)->SetValue(value); }
  static bool Event(const char* key) { return GUI_GetEventList()->HasEvent(key); }
  static bool Talk(const std::string& key) {
    for (const SIM_SmallTalkEvent* event : SIM_GetSmallTalk()->GetTempEvents()) {
      if (event->key == key && event->duration == 4.0f) return true;
    }
    return false;
  }
  static int TurnCount() { return SIM_GetSim()->GetTurnCount(); }
};

TEST_F(Crime, InitialiseDrawsBothCountdownsFromTheTuningAndKeepsTheLastCrime) {
  C()->SetLastCrimeTurn(42);
  for (int i = 0; i < 50; ++i) {
    C()->Initialise();
    ASSERT_GE(C()->GetDaysToNextMugging(), 40);
    ASSERT_LE(C()->GetDaysToNextMugging(), 120);
    ASSERT_GE(C()->GetDaysToNextBurglary(), 60);
    ASSERT_LE(C()->GetDaysToNextBurglary(), 180);
  }
  EXPECT_EQ(C()->GetLastCrimeTurn(), 42);
  EXPECT_EQ(C()->GetMinInterval(), 20);
}

// Each guard alone keeps the mugger away while the countdown goes on falling.
TEST_F(Crime, EachGuardPreventsAMuggingWhileTheCountdownFalls) {
  struct Case {
    const char* what;
    void (*arrange)();
    bool mugged;
  };
  const Case cases[] = {
      {"nothing in the way", [] {}, true},
      {"muscles of exactly 0.5 do not protect", [] { SetValue("muscles", 0.5f); }, true},
      {"muscles above 0.5", [] { SetValue("muscles", 0.51f); }, false},
      {"a crime too recently", [] { C()->SetLastCrimeTurn(TurnCount() - 19); }, false},
      {"the minimum interval just passed", [] { C()->SetLastCrimeTurn(TurnCount() - 20); }, true},
      {"a job in law enforcement", [] { SIM_GetVede()->SetJob(SIM_JobBase::GetJobByGUID(kLawEnforcementJob)); }, false},
      {"going home by car", [] { SIM_CommuteMethod::SetMethodByName("car"); }, false},
      {"going home by taxi", [] { SIM_CommuteMethod::SetMethodByName("taxi"); }, false},
  };
  for (const Case& c : cases) {
    SetUp();
    c.arrange();
    C()->SetDaysToNextMugging(1);
    C()->CheckForMugging();
    EXPECT_EQ(Event("EVENT_MUGGED"), c.mugged) << c.what;
    if (c.mugged) {
      EXPECT_EQ(C()->GetLastCrimeTurn(), TurnCount()) << c.what;
      EXPECT_GE(C()->GetDaysToNextMugging(), 40) << c.what;
    } else {
      EXPECT_EQ(C()->GetDaysToNextMugging(), 0) << c.what;
      C()->CheckForMugging();
      EXPECT_EQ(C()->GetDaysToNextMugging(), -1) << c.what;  // still falling
    }
  }
  ASSERT_NE(SIM_JobBase::GetJobByGUID(kLawEnforcementJob), nullptr);
  EXPECT_EQ(SIM_JobBase::GetJobByGUID(kLawEnforcementJob)->GetIndustryName(), "lawenforcement");
}

TEST_F(Crime, ACountdownAboveZeroWaits) {
  C()->SetDaysToNextMugging(2);
  C()->CheckForMugging();
  EXPECT_FALSE(Event("EVENT_MUGGED"));
  C()->CheckForMugging();
  EXPECT_TRUE(Event("EVENT_MUGGED"));
}

TEST_F(Crime, TheFightingSkillDecidesTheMuggingsOutcome) {
  struct Case {
    float kungfu, kickboxing;
    const char* event;
    const char* talk;
    bool robbed;
  };
  const Case cases[] = {
      {0.91f, 0.0f, "EVENT_MUGGERARRESTED", "SMALLTALK_MUGGER_ARRESTED", false},
      {0.0f, 0.95f, "EVENT_MUGGERARRESTED", "SMALLTALK_MUGGER_ARRESTED", false},  // the better of the two
      {0.9f, 0.0f, "EVENT_MUGGERDEFEATED", "SMALLTALK_MUGGER_DEFEATED", false},
      {0.51f, 0.3f, "EVENT_MUGGERDEFEATED", "SMALLTALK_MUGGER_DEFEATED", false},
      {0.5f, 0.5f, "EVENT_MUGGED", "SMALLTALK_MUGGED", true},
  };
  for (const Case& c : cases) {
    SetUp();
    SetValue("kungfu", c.kungfu);
    SetValue("kickboxing", c.kickboxing);
    C()->Mugged();
    EXPECT_EQ(GUI_GetEventList()->GetEvents(), std::vector<std::string>{c.event}) << c.kungfu << "/" << c.kickboxing;
    EXPECT_TRUE(Talk(c.talk)) << c.talk;
    const float cash = SIM_GetFinances()->GetCash();
    if (c.robbed) {
      EXPECT_GE(cash, 1000.0f * 0.05f - 0.01f);
      EXPECT_LE(cash, 1000.0f * 0.25f + 0.01f);
    } else {
      EXPECT_FLOAT_EQ(cash, 1000.0f);
    }
  }
}

TEST_F(Crime, SmallChangeIsNotWorthTakingButTheCrimeStillHappens) {
  SIM_GetFinances()->SetCash(3.5f);
  C()->Mugged();
  EXPECT_FLOAT_EQ(SIM_GetFinances()->GetCash(), 3.5f);
  EXPECT_TRUE(Event("EVENT_MUGGED"));
  EXPECT_TRUE(Talk("SMALLTALK_MUGGED"));

  SIM_GetFinances()->SetCash(2.0f);
  C()->Burgled();
  EXPECT_FLOAT_EQ(SIM_GetFinances()->GetCash(), 2.0f);
  EXPECT_TRUE(Event("EVENT_BURGLED"));
  EXPECT_TRUE(Talk("SMALLTALK_BURGLED"));
}

TEST_F(Crime, TheAlarmStopsTheBurglarBeforeTheDogGetsToHim) {
  struct Case {
    bool alarm, dog;
    const char* event;
  };
  const Case cases[] = {
      {true, true, "EVENT_ATTEMPTEDBREAKIN"},
      {true, false, "EVENT_ATTEMPTEDBREAKIN"},
      {false, true, "EVENT_DOGDEFENDED"},
      {false, false, "EVENT_BURGLED"},
  };
  for (const Case& c : cases) {
    SetUp();
    SIM_NamedValueList::ForceGlobal("alarm", c.alarm ? 1.0f : 0.0f);
    SIM_NamedValueList::ForceGlobal("dog", c.dog ? 1.0f : 0.0f);
    GUI_GetEventList()->SetAfterWorkEvent(false);
    C()->SetDaysToNextBurglary(1);
    C()->CheckForBurglary();
    EXPECT_EQ(GUI_GetEventList()->GetEvents(), std::vector<std::string>{c.event}) << c.alarm << c.dog;
    EXPECT_TRUE(GUI_GetEventList()->HasAfterWorkEvent());
    EXPECT_EQ(Talk("SMALLTALK_DOGDEFENDED"), std::string(c.event) == "EVENT_DOGDEFENDED");
    const float cash = SIM_GetFinances()->GetCash();
    if (std::string(c.event) == "EVENT_BURGLED") {
      EXPECT_GE(cash, 500.0f - 0.01f);
      EXPECT_LE(cash, 750.0f + 0.01f);
    } else {
      EXPECT_FLOAT_EQ(cash, 1000.0f);
    }
    EXPECT_EQ(C()->GetLastCrimeTurn(), TurnCount());
    EXPECT_GE(C()->GetDaysToNextBurglary(), 60);
  }
}

TEST_F(Crime, NoBurglaryOnAnIllDayAWeekendOrTooSoonAfterTheLastCrime) {
  struct Case {
    const char* what;
    void (*arrange)();
  };
  const Case cases[] = {
      {"ill", [] { SIM_GetHealth()->SetState(SIM_Health::COLD, 3); }},
      {"Saturday", [] { SIM_Date::PPresentDay->IncrementDays(5); }},
      {"a crime too recently", [] { C()->SetLastCrimeTurn(TurnCount() - 5); }},
  };
  for (const Case& c : cases) {
    SetUp();
    c.arrange();
    C()->SetDaysToNextBurglary(1);
    C()->CheckForBurglary();
    EXPECT_TRUE(GUI_GetEventList()->GetEvents().empty()) << c.what;
    EXPECT_EQ(C()->GetDaysToNextBurglary(), 0) << c.what;
  }
  // Once the bar lifts, the countdown that ran out lets the burglar in at once.
  SetUp();
  C()->SetDaysToNextBurglary(-6);
  C()->CheckForBurglary();
  EXPECT_TRUE(Event("EVENT_BURGLED"));
}

// The last crime of a game left behind does not hold off the first crimes of the next.
TEST_F(Crime, ANewGameForgetsTheLastCrime) {
  C()->SetLastCrimeTurn(500);
  HeadlessPlayer::StartNewGame(4);
  EXPECT_EQ(C()->GetLastCrimeTurn(), 0);
}

}  // namespace
