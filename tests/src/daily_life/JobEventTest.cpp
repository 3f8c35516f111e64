// The work-day stories: which files are read, which stories a job can draw and how often, and a
// day for which no story fits.
#include <gtest/gtest.h>

#include <map>
#include <string>

#include "SIM_Finances.h"
#include "SIM_JobEvent.h"
#include "WorkTestSupport.h"

namespace {

using worktest::Story;

class JobStories : public worktest::WorkGame {
 protected:
  void SetUp() override {
    // The clerk's categories are office, desk and default; the spacer's "x", " office" and default.
    const std::string jobs = std::string(worktest::kJobs) +
                             "#,1400,spacer,\"x, office\",Spacer,Spacer,Spacer,Gaps,the gap,sales,plain,1,1,N/A,0,0,1,1,1,0,#\n";
    Start(jobs, worktest::kIndustries,
          {
              {"a/office.txt", Story("good_performance", "office", 1.0f)},
              {"a/office_default.txt", Story("good_performance", "office,default", 3.0f)},
              {"b/stage.txt", Story("good_performance", "stage", 4.0f)},
              {"b/spaced.txt", Story("good_performance", "stage, office", 5.0f)},
              {".hidden/hidden.txt", Story("good_performance", "default", 100.0f)},
              {"loose.txt", Story("good_performance", "default", 100.0f)},
              {"c/untyped.txt", "; a story that forgot its type\n[data]\nTitle=Nothing\nCategories=default\n"},
              {"c/trigger.txt", Story("promotion", "desk", 1.0f, "ApplyEffect(stress,0.2,1.0,Test story)")},
          });
  }

  static std::map<std::string, int> Draws(int count) {
    std::map<std::string, int> draws;
    for (int i = 0; i < count; ++i) {
      SIM_JobEvent* event = SIM_JobEvent::GetEventByType("good_performance");
      draws[event ? event->GetTitle() + "@" + std::to_string((int)event->GetFrequency()) : "(none)"]++;
    }
    return draws;
  }
};

TEST_F(JobStories, OnlyTheFoldersStoriesAreRead) {
  // The hidden folder's and the loose file are not; the untyped one is, with a warning.
  EXPECT_EQ(SIM_JobEvent::All.size(), 6u);
  EXPECT_EQ(worktest::CountLogLines("jobevents/c/untyped.txt:2: work story without \"Type\""), 1);
}

TEST_F(JobStories, AJobDrawsItsCategoriesStoriesByFrequencyEachOnce) {
  std::map<std::string, int> draws = Draws(4000);
  // Only the office story (1) and the office-and-default story (3, counted once) fit the clerk.
  ASSERT_EQ(draws.size(), 2u) << "the stage stories never";
  const int office = draws["good_performance title@1"];
  const int both = draws["good_performance title@3"];
  EXPECT_EQ(office + both, 4000);
  EXPECT_GT(both, 2.6 * office);
  EXPECT_LT(both, 3.4 * office);

  // A category with a leading space matches only a job category with the same space.
  Take(1400);
  draws = Draws(400);
  EXPECT_EQ(draws.count("good_performance title@1"), 0u);
  EXPECT_EQ(draws.count("good_performance title@4"), 0u);
  EXPECT_GT(draws["good_performance title@5"], 0);
  EXPECT_GT(draws["good_performance title@3"], 0);
  EXPECT_EQ(draws.size(), 2u);
}

TEST_F(JobStories, ADrawnStoryRunsItsScriptWhenTheDayTakesIt) {
  SIM_JobInstance* instance = Take(1112);
  const float stress = Vede()->GetValue("stress");
  SIM_JobEvent* story = SIM_JobEvent::GetEventByType("promotion");
  ASSERT_NE(story, nullptr);
  EXPECT_FLOAT_EQ(Vede()->GetValue("stress"), stress);  // the draw alone changes nothing
  story->Trigger();
  EXPECT_GT(Vede()->GetValue("stress"), stress);
  instance->Promote();
  EXPECT_EQ(instance->GetEvent(), story);
}

TEST_F(JobStories, ADayWithoutAFittingStoryShowsTheEarningsAloneAndWarnsOnce) {
  SIM_JobInstance* instance = Take(1112);
  SetWeekday(1);
  for (int day = 0; day < 3; ++day) {
    const float cash = SIM_GetFinances()->GetCash();
    instance->ProcessWorkDay();  // "firstday", then "good_performance" ... no first-day story here
    if (day == 0) {
      EXPECT_EQ(instance->GetEvent(), nullptr);
    }
    EXPECT_GT(SIM_GetFinances()->GetCash(), cash);
  }
  EXPECT_EQ(SIM_JobEvent::GetEventByType("fired"), nullptr);
  EXPECT_EQ(SIM_JobEvent::GetEventByType("fired"), nullptr);
  EXPECT_EQ(worktest::CountLogLines("No work story of type \"fired\" for job \"clerk\""), 1);
  EXPECT_EQ(worktest::CountLogLines("No work story of type \"firstday\" for job \"clerk\""), 1);
  EXPECT_TRUE(HeadlessPlayer::LogProblems().empty());
}

}  // namespace
