// The held job's working days on the test tables: performance, pay and tips, colleague friends,
// promotions up the ladder, firings and their resolution in the evening.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "GUI_EventList.h"
#include "SIM_Finances.h"
#include "SIM_JobEvent.h"
#include "SIM_NPC.h"
#include "SIM_Relationship.h"
#include "SIM_Statistics.h"
#include "WorkTestSupport.h"

namespace {

using worktest::Tune;

class WorkDay : public worktest::WorkGame {
 protected:
  static std::string StoryType(const SIM_JobInstance* instance) {
    return instance->GetEvent() ? instance->GetEvent()->GetType() : std::string("(none)");
  }
};

TEST_F(WorkDay, ThirtySeededWorkDaysOnTheStartJob) {
  Tune("GV_PROMOTION_MINGAP", 0.0f);
  Tune("GV_JOBFRIEND_FREQUENCY", 1.0f);
  Tune("MIN_EXTRAVERT_WORK_FRIEND", 0.0f);
  Tune("MIN_HAPPINESS_WORK_FRIEND", 0.0f);
  SIM_JobInstance* instance = Take(1112);
  SetWeekday(1);
  GUI_EventList* events = GUI_GetEventList();

  int colleagueDays = 0;
  for (int day = 0; day < 30; ++day) {
    SCOPED_TRACE("work day " + std::to_string(day));
    const bool missedBus = day == 15;
    if (missedBus) events->AddEvent("MISSED_BUS");
    const int grade = instance->GetCurrentGrade();
    const float cash = SIM_GetFinances()->GetCash();

    instance->ProcessWorkDay();

    // A missed bus costs a third of the day's performance, once.
    EXPECT_NEAR(instance->GetPerformance(), missedBus ? 0.7f * 0.66f : 0.7f, 1e-5f);
    EXPECT_FALSE(events->HasEvent("MISSED_BUS"));
    EXPECT_NEAR(SIM_GetFinances()->GetCash(), cash + Job(1112)->GetLastEarnings(), 0.01f);
    EXPECT_FALSE(instance->IsFired());
    EXPECT_LE(instance->GetCurrentGrade(), 5);
    const bool promoted = instance->GetCurrentGrade() > grade;
    if (day < 10) {
      EXPECT_FALSE(promoted) << "fewer than ten days of history";
    }

    // A colleague's day, a promotion's day and the first day each have their own story.
    if (SIM_NPC* colleague = instance->GetNewFriend()) {
      ++colleagueDays;
      EXPECT_EQ(StoryType(instance), "newfriend");
      EXPECT_EQ(colleague->GetJob(), Job(1112));
      EXPECT_TRUE(colleague->IsIntroduced());
      SIM_Relationship* link = SIM_GetVede()->GetRelationship(colleague);
      ASSERT_NE(link, nullptr);
      EXPECT_TRUE(link->IsPlayerCreated());
      EXPECT_GE(link->GetStrength(), 0.27f);
      EXPECT_LE(link->GetStrength(), 0.4f);
    } else if (promoted) {
      EXPECT_EQ(StoryType(instance), "promotion");
    } else if (day == 0) {
      EXPECT_EQ(StoryType(instance), "firstday");
    } else {
      EXPECT_EQ(StoryType(instance), missedBus ? "default" : "good_performance");
    }
  }
  // Ten work days apart, from the tenth on: days 9, 19 and 29.
  EXPECT_EQ(colleagueDays, 3);
  EXPECT_EQ(instance->GetFriendsMade(), 3);
  EXPECT_EQ(instance->GetDaysInJob(), 30);
}

TEST_F(WorkDay, TheLadderClimbsNoFasterThanTheGapAndStopsAtTheTop) {
  SIM_NamedValueList::ForceGlobal("test_talent", 1.0f);
  const int gap = (int)SIM_GetGlobalVariables()->Get("GV_PROMOTION_MINGAP");
  ASSERT_GT(gap, 10);
  SIM_JobInstance* instance = Take(1112);
  SetWeekday(1);
  const int before = SIM_GetStatistics()->GetIntCounter("PROMOTIONS");
  std::vector<int> promotionDays;
  for (int day = 0; day < 1000; ++day) {
    const int grade = instance->GetCurrentGrade();
    instance->ProcessWorkDay();
    ASSERT_LE(instance->GetCurrentGrade(), 5);
    if (instance->GetCurrentGrade() == grade) continue;
    promotionDays.push_back(day);
    EXPECT_EQ(instance->GetEvent() ? instance->GetEvent()->GetType() : "", "promotion");
    EXPECT_EQ(instance->GetDaysSincePromotion(), 0);
  }
  ASSERT_EQ(promotionDays.size(), 5u);
  EXPECT_GE(promotionDays[0], gap);  // a fresh job counts its days since promotion from 0
  for (size_t i = 1; i < promotionDays.size(); ++i) EXPECT_GT(promotionDays[i] - promotionDays[i - 1], gap);
  EXPECT_TRUE(instance->AtTopGrade());
  EXPECT_FLOAT_EQ(instance->GetCurrentSalary(), Job(1112)->GetMaxSalary());
  EXPECT_EQ(SIM_GetStatistics()->GetIntCounter("PROMOTIONS"), before + 5);
}

TEST_F(WorkDay, AJobWithOneSalaryNeverPromotes) {
  Tune("GV_PROMOTION_MINGAP", 0.0f);
  SIM_NamedValueList::ForceGlobal("test_talent", 1.0f);
  SIM_JobInstance* instance = Take(1300);
  SetWeekday(1);
  for (int day = 0; day < 300; ++day) instance->ProcessWorkDay();
  EXPECT_EQ(instance->GetCurrentGrade(), 0);
}

TEST_F(WorkDay, PromoteRaisesTheGradeAndTellsTheDay) {
  SIM_JobInstance* instance = Take(1112);
  const int promotions = SIM_GetStatistics()->GetIntCounter("PROMOTIONS");
  instance->SetDaysSincePromotion(12);
  instance->Promote();
  EXPECT_EQ(instance->GetCurrentGrade(), 1);
  EXPECT_EQ(instance->GetDaysSincePromotion(), 0);
  EXPECT_FLOAT_EQ(instance->GetCurrentSalary(), 13000.0f + (26000.0f - 13000.0f) / 5.0f);
  ASSERT_NE(instance->GetEvent(), nullptr);
  EXPECT_EQ(instance->GetEvent()->GetType(), "promotion");
  EXPECT_EQ(SIM_GetStatistics()->GetIntCounter("PROMOTIONS"), promotions + 1);
}

// Only an actor who no longer meets the part's demands is let go, with the chance 1 - average.
TEST_F(WorkDay, OnlyActorsWhoNoLongerFitThePartAreFired) {
  struct Case {
    int guid;
    float flag;       // the part's demand is test_flag 0.5
    int firedOnDay;   // -1: never
  };
  const Case cases[] = {
      {1201, 0.0f, 11},  // the first day past ten days in the job, with an average of 0
      {1201, 1.0f, -1},  // still fits the part
      {1112, 0.0f, -1},  // a clerk is never fired, however poor the days
      {1300, 0.0f, -1},
  };
  SIM_NamedValueList::ForceGlobal("test_talent", 0.0f);
  SetWeekday(1);
  for (const Case& c : cases) {
    SCOPED_TRACE("job " + std::to_string(c.guid));
    SIM_NamedValueList::ForceGlobal("test_flag", c.flag);
    SIM_JobInstance* instance = Take(c.guid);
    int firedOn = -1;
    for (int day = 0; day < 30 && firedOn < 0; ++day) {
      instance->ProcessWorkDay();
      if (instance->IsFired()) firedOn = day;
    }
    EXPECT_EQ(firedOn, c.firedOnDay);
    if (firedOn >= 0) {
      EXPECT_EQ(instance->GetEvent() ? instance->GetEvent()->GetType() : "", "fired");
    }
  }
}

TEST_F(WorkDay, AFiringIsResolvedInTheEveningWithTheStartJob) {
  SIM_JobInstance* instance = Take(1201);
  EXPECT_EQ(SIM_GetVede()->GetValue("acting"), 1.0f);
  SIM_NamedValueList::ForceGlobal("industry_acting", 1.0f);

  SIM_JobInstance::ResolveFirings();  // not fired: nothing changes
  EXPECT_EQ(SIM_GetVede()->GetJobInstance(), instance);

  instance->FireVede();
  SIM_JobInstance::ResolveFirings();
  EXPECT_EQ(SIM_GetVede()->GetJob(), Job(1112));
  ASSERT_NE(SIM_GetVede()->GetJobInstance(), nullptr);
  EXPECT_FALSE(SIM_GetVede()->GetJobInstance()->IsFired());
  EXPECT_EQ(SIM_GetVede()->GetJobInstance()->GetDaysInJob(), 0);
  EXPECT_EQ(SIM_GetVede()->GetValue("industry_acting"), 0.0f);
  EXPECT_EQ(SIM_GetVede()->GetValue("industry_sales"), 1.0f);
  EXPECT_EQ(SIM_GetVede()->GetValue("acting"), 0.0f);
  EXPECT_EQ(SIM_GetVede()->GetValue("sales"), 1.0f);
}

TEST_F(WorkDay, EveryEarningsCallDrawsAFreshTipAndWeekendsPayNothing) {
  SIM_JobInstance* instance = Take(1112);
  SetWeekday(2);
  instance->ProcessWorkDay();  // today's performance, 0.7, sets the tip's size
  SIM_JobBase* clerk = Job(1112);
  const float base = 13000.0f * SIM_GetGlobalVariables()->Get("GV_FIN_DISPOSABLEPERC") / 260.7143f;
  std::vector<float> tips;
  for (int call = 0; call < 3; ++call) {
    const float earnings = clerk->GetTodaysEarnings();
    EXPECT_NEAR(earnings - base, clerk->GetLastTip(), 1e-3f);
    EXPECT_GE(clerk->GetLastTip(), 5.0f + 10.0f * 0.7f * 0.9f - 1e-3f);
    EXPECT_LE(clerk->GetLastTip(), 5.0f + 10.0f * 0.7f * 1.1f + 1e-3f);
    tips.push_back(clerk->GetLastTip());
  }
  EXPECT_NE(tips[0], tips[1]);
  EXPECT_NE(tips[1], tips[2]);

  // Without tips the pay is the salary's share alone and there is no tip to show.
  SIM_JobBase* ledger = Job(1300);
  Take(1300);
  EXPECT_NEAR(ledger->GetTodaysEarnings(), 15000.0f * SIM_GetGlobalVariables()->Get("GV_FIN_DISPOSABLEPERC") / 260.7143f,
              1e-3f);
  EXPECT_EQ(ledger->GetLastTip(), -1.0f);

  for (int weekend : {5, 6}) {
    SetWeekday(weekend);
    const float cash = SIM_GetFinances()->GetCash();
    const int friends = SIM_GetVede()->GetJobInstance()->GetFriendsMade();
    ledger->ProcessWork();
    EXPECT_EQ(SIM_GetFinances()->GetCash(), cash);
    EXPECT_EQ(SIM_GetVede()->GetJobInstance()->GetFriendsMade(), friends);
  }
}

TEST_F(WorkDay, TheAverageCountsOnlyTheLastTenDays) {
  SIM_JobInstance* instance = Take(1112);
  SetWeekday(1);
  instance->CalcAvePerformance();
  EXPECT_EQ(instance->GetAvePerformance(), 0.0f);  // nothing yet: "No valid job data"
  EXPECT_EQ(worktest::CountLogLines("No valid job data"), 1);
  for (int day = 0; day < 12; ++day) {
    SIM_NamedValueList::ForceGlobal("test_talent", day < 2 ? 0.0f : 0.5f);
    instance->ProcessWorkDay();
  }
  EXPECT_EQ(instance->GetValidDays(), 10);
  EXPECT_NEAR(instance->GetAvePerformance(), 0.5f, 1e-5f);
}

}  // namespace
