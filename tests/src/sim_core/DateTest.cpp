#include <gtest/gtest.h>

#include <ctime>
#include <vector>

#include "GUI_EndGame.h"
#include "GUI_YearlyReview.h"
#include "SIM_Calendar.h"
#include "SIM_Date.h"
#include "SIM_GlobalVariable.h"
#include "SIM_NPC.h"
#include "SIM_RoyaltyStream.h"
#include "SIM_SIM.h"
#include "SIM_StandInLog.h"
#include "SIM_Vede.h"
#include "SIM_Weather.h"
#include "SimCoreTestSupport.h"

namespace {

void ExpectDate(const SIM_Date& d, int day, int month, int year) {
  EXPECT_EQ(d.GetDay(), day);
  EXPECT_EQ(d.GetMonth(), month);
  EXPECT_EQ(d.GetYear(), year);
}

TEST(Date, StepsAndBoundaries) {
  // IncrementDays moves any date; the day of the week runs on its own seven-day cycle.
  SIM_Date d(4, 11, 2020);
  d.IncrementDays(1);
  ExpectDate(d, 0, 0, 2021);
  EXPECT_EQ(d.GetDayOfWeek(), 1);
  d.IncrementDays(6);
  ExpectDate(d, 1, 1, 2021);
  EXPECT_EQ(d.GetDayOfWeek(), 0);
  EXPECT_EQ(d.GetDaysAsInt(), 1 + 5 * 1 + 60 * 2021);

  // The constructor keeps the fields in range.
  ExpectDate(SIM_Date(-1, 12, -5), 0, 11, 0);
  ExpectDate(SIM_Date(9, 3, 2000), 5, 3, 2000);

  // Past and present.
  SIM_Date::Open();
  *SIM_Date::PPresentDay = SIM_Date(3, 6, 2020);
  EXPECT_TRUE(SIM_Date(1, 6, 2020).IsInPast());
  EXPECT_FALSE(SIM_Date(3, 6, 2020).IsInPast());
  EXPECT_TRUE(SIM_Date(3, 6, 2020).IsPresentDay());
  EXPECT_FALSE(SIM_Date(4, 6, 2020).IsInPast());
  SIM_Date::Close();
}

TEST(Date, NewGameStartsFromTheLocalClock) {
  std::time_t now = std::time(nullptr);
  std::tm local{};
  localtime_r(&now, &local);
  SIM_Date::Open();
  SIM_Date::Reset();
  ExpectDate(*SIM_Date::PPresentDay, 3, local.tm_mon, local.tm_year + 1900);
  EXPECT_EQ(SIM_Date::PPresentDay->GetDayOfWeek(), 0);
  EXPECT_EQ(SIM_Date::PPresentDay->GetDaysToFullMoon(), 15);
  ExpectDate(SIM_Date::EndYearDate, 3, local.tm_mon, local.tm_year + 1901);
  ExpectDate(SIM_Date::EndGameDate, 3, local.tm_mon, local.tm_year + 1910);
  EXPECT_EQ(SIM_Date::GetMonthName(0), "January");  // from strings.ini
  SIM_Date::Close();
}

// Ten years of nights: a yearly review every 60 steps, the end of the game at step 600 (a birthday
// and the end-game screen instead of a review), the weekly chain every seventh step and a full
// moon 15 steps in and then every 31.
TEST(Date, TenYearsOfNights) {
  GetDebug()->Initialise();
  SIM_GetGlobalVariables()->Load();
  simtest::ResetPlayerState();
  SIM_GetVede()->LoadAttributes();
  SIM_GetWeather()->Open();
  SIM_Date::Open();
  SIM_Date::Reset();
  SIM_GetCalendar()->Initialise();
  SIM_GetSim()->SetTenYearsUp(false);
  // A person of the town spends all its money every day and is paid on the weekly step.
  SIM_NPC* npc = SIM_NPC::Create();
  npc->CalculateWeeklyCash();

  const int age = SIM_GetVede()->GetAge();
  std::vector<int> reviews, endGames, weeks, fullMoons, paydays;
  SIM_StandInLog::SetRecording(true);
  for (int step = 1; step <= 660; ++step) {
    SIM_StandInLog::Clear();
    SIM_Date::PPresentDay->AddDays(1);
    if (GUI_EndGame::PTheWindow) {
      endGames.push_back(step);
      GUI_EndGame::Close();
    } else if (GUI_YearlyReview::PTheWindow) {
      reviews.push_back(step);
      GUI_YearlyReview::Close();
    }
    if (SIM_StandInLog::Count("SIM_RoyaltyStream::NextWeekAll") > 0) weeks.push_back(step);
    if (SIM_Date::PPresentDay->IsFullMoon()) fullMoons.push_back(step);
    if (npc->GetCash() > 0.0f) paydays.push_back(step);
    npc->SpendMoney(npc->GetCash());
    EXPECT_EQ(SIM_GetSim()->IsTenYearsUp(), step >= 600) << step;
  }
  SIM_StandInLog::SetRecording(false);

  std::vector<int> expectedReviews;
  for (int step = 60; step <= 540; step += 60) expectedReviews.push_back(step);
  expectedReviews.push_back(660);  // after the end only yearly reviews follow
  EXPECT_EQ(reviews, expectedReviews);
  EXPECT_EQ(endGames, std::vector<int>{600});
  EXPECT_EQ(SIM_GetVede()->GetAge(), age + 11);  // a birthday each year, the tenth included

  ASSERT_EQ(weeks.size(), 660u / 7);
  for (size_t i = 0; i < weeks.size(); ++i) EXPECT_EQ(weeks[i], 7 * (int)(i + 1));
  EXPECT_EQ(paydays, weeks);
  SIM_NPC::Close();

  ASSERT_GE(fullMoons.size(), 3u);
  for (size_t i = 0; i < fullMoons.size(); ++i) EXPECT_EQ(fullMoons[i], 15 + 31 * (int)i);

  SIM_Date::Close();
  simtest::ResetPlayerState();
}

TEST(Calendar, EntriesAndTheWeekAhead) {
  GetDebug()->Initialise();
  SIM_Date::Open();
  *SIM_Date::PPresentDay = SIM_Date(0, 2, 2020);
  SIM_Calendar* calendar = SIM_GetCalendar();
  calendar->Initialise();

  SIM_Date inTwo(2, 2, 2020), inSeven(2, 3, 2020);
  calendar->AddEntry(inTwo, "Dentist");
  calendar->AddEntry(inTwo, "Dentist");  // the same text and date: one entry
  calendar->AddEntry(inSeven, "Bowling");
  EXPECT_EQ(calendar->GetEntries().size(), 2u);
  EXPECT_EQ(calendar->GetDailyList(2).size(), 1u);
  for (int k = 0; k < SIM_Calendar::DAYS_SHOWN; ++k) {
    for (auto* entry : calendar->GetDailyList(k)) EXPECT_NE(entry->text, "Bowling");  // 7 steps ahead
  }

  // Three steps on, the bowling entry is 4 steps ahead and shows; past entries are pruned.
  SIM_Date::PPresentDay->IncrementDays(3);
  calendar->NextDay();
  ASSERT_EQ(calendar->GetDailyList(4).size(), 1u);
  EXPECT_EQ(calendar->GetDailyList(4).front()->text, "Bowling");
  EXPECT_EQ(calendar->GetEntries().size(), 1u);  // the dentist was yesterday

  calendar->RemoveEntry(inSeven, "Bowling");  // out of the entries; the daily list follows at refresh
  EXPECT_TRUE(calendar->GetEntries().empty());
  calendar->Refresh();
  EXPECT_TRUE(calendar->GetDailyList(4).empty());

  calendar->AddEntry(inSeven, "Class");
  calendar->AddEntry(SIM_Date(3, 3, 2020), "Class");
  calendar->RemoveByName("Class");
  EXPECT_TRUE(calendar->GetEntries().empty());
  calendar->ClearEntries();
  SIM_Date::Close();
}

}  // namespace
