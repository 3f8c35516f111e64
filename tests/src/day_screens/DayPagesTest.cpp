// The day's diary pages and the evening window as they stand in for the real screens: each page's
// one button closes it and hands the turn on, so a whole day plays through the GUI alone; the
// morning offers work only on a working day.
#include <gtest/gtest.h>

#include "CInput.h"
#include "GTranslation.h"
#include "GUI_AfterWorkScreen.h"
#include "GUI_ButtonText.h"
#include "GUI_CommuteBackScreen.h"
#include "GUI_CommuteInScreen.h"
#include "GUI_EveningStandIn.h"
#include "GUI_EventList.h"
#include "GUI_GUI.h"
#include "GUI_IconButton.h"
#include "GUI_WindowManager.h"
#include "GUI_WokeUpScreen.h"
#include "GUI_WorkDayScreen.h"
#include "HeadlessPlayer.h"
#include "SIM_Date.h"
#include "SIM_Health.h"
#include "SIM_JobBase.h"
#include "SIM_SIM.h"
#include "SIM_Vede.h"

namespace {

bool Click(const GUI_BaseElement* element) {
  GetInput()->mouseX = element->GetCenterX();
  GetInput()->mouseY = element->GetCenterY();
  return GUI_GetGUI()->CheckClick();
}

// The one full-screen window open, or null.
GUI_WindowBase* OnlyPage() {
  const auto& pages = GUI_GetWindowManager()->GetFullscreens();
  return pages.size() == 1 ? pages.back() : nullptr;
}

class DayPages : public ::testing::Test {
 protected:
  void SetUp() override { HeadlessPlayer::StartNewGame(3); }
  static SIM_SIM* Sim() { return SIM_GetSim(); }
};

TEST_F(DayPages, AWorkingDayIsPressedThroughPageByPageToTheEnd) {
  ASSERT_TRUE(GUI_WokeUpScreen::IsWorkingDay()) << "the first day of this seed should be a working day";
  ASSERT_NE(GUI_WokeUpScreen::PTheWindow, nullptr);
  EXPECT_TRUE(GUI_WokeUpScreen::PTheWindow->GetWorkingDay());
  EXPECT_EQ(GUI_WokeUpScreen::PTheWindow->GetMainButton()->GetCallback(), &GUI_WokeUpScreen::CommuteIn);
  // Its title is the date of the morning it opened on (the headless player moves the date later).
  EXPECT_EQ(GUI_WokeUpScreen::PTheWindow->GetTitle().rfind("Monday ", 0), 0u);

  // The after-work page shows only when there is news at home; make sure there is.
  GUI_GetEventList()->SetAfterWorkEvent(true);
  struct Step {
    SIM_SIM::TURNMODE mode;
    GUI_WindowBase* (*page)();
  };
  const Step steps[] = {
      {SIM_SIM::TURNMODE_COMMUTEIN, []() -> GUI_WindowBase* { return GUI_CommuteInScreen::PTheWindow; }},
      {SIM_SIM::TURNMODE_WORKDAY, []() -> GUI_WindowBase* { return GUI_WorkDayScreen::PTheWindow; }},
      {SIM_SIM::TURNMODE_COMMUTEBACK, []() -> GUI_WindowBase* { return GUI_CommuteBackScreen::PTheWindow; }},
      {SIM_SIM::TURNMODE_EVENING, []() -> GUI_WindowBase* { return GUI_AfterWorkScreen::PTheWindow; }},
  };
  GUI_DayPageStandIn* page = GUI_WokeUpScreen::PTheWindow;
  for (const Step& step : steps) {
    EXPECT_TRUE(Click(page->GetMainButton()));
    // The old page is gone before the next opens: only the new one is up.
    ASSERT_EQ(OnlyPage(), step.page()) << "turn mode " << (int)step.mode;
    EXPECT_EQ(Sim()->GetTurnMode(), step.mode);
    page = static_cast<GUI_DayPageStandIn*>(step.page());
  }
  EXPECT_TRUE(GUI_AfterWorkScreen::IsOpen());
  EXPECT_TRUE(Click(page->GetMainButton()));
  EXPECT_FALSE(GUI_AfterWorkScreen::IsOpen());
  EXPECT_EQ(OnlyPage(), nullptr);
  EXPECT_EQ(Sim()->GetTurnMode(), SIM_SIM::TURNMODE_EVENING);

  // The evening window's one button uses the day's slot.
  GUI_EveningStandIn::Toggle(GUI_EveningStandIn::KIND_SOLO);
  EXPECT_EQ(GUI_EveningStandIn::PTheWindow->GetTitle(), GTranslation::GetString("STANDIN_EVENING_SOLO_TITLE"));
  EXPECT_TRUE(Click(GUI_EveningStandIn::PTheWindow->GetQuietButton()));
  EXPECT_EQ(Sim()->GetTurnMode(), SIM_SIM::TURNMODE_DAYENDED);
}

TEST_F(DayPages, OnADayOffTheMorningStaysAtHomeAndTheEveningBegins) {
  SIM_Date::PPresentDay->SetDayOfWeek(5);
  GUI_WokeUpScreen::Create();
  GUI_WokeUpScreen* morning = GUI_WokeUpScreen::PTheWindow;
  ASSERT_NE(morning, nullptr);
  EXPECT_FALSE(morning->GetWorkingDay());
  EXPECT_EQ(morning->GetMessage(), GTranslation::GetString("WEEKEND_MESSAGE"));
  EXPECT_EQ(morning->GetMainButton()->GetCallback(), &GUI_WokeUpScreen::StayHome);

  EXPECT_TRUE(Click(morning->GetMainButton()));
  EXPECT_EQ(GUI_WokeUpScreen::PTheWindow, nullptr);
  EXPECT_EQ(OnlyPage(), nullptr);
  EXPECT_EQ(Sim()->GetTurnMode(), SIM_SIM::TURNMODE_EVENING);

  // Ill on a weekday: no work either, and the page says why.
  SIM_Date::PPresentDay->SetDayOfWeek(1);
  SIM_GetHealth()->SetState(1, 2);
  GUI_WokeUpScreen::Create();
  EXPECT_FALSE(GUI_WokeUpScreen::PTheWindow->GetWorkingDay());
  SIM_JobBase* job = SIM_GetVede()->GetJob();
  if (job && !job->IsUnemployed()) {
    EXPECT_EQ(GUI_WokeUpScreen::PTheWindow->GetMessage(), GTranslation::GetString("SICKDAY_MESSAGE_COLD"));
  }
}

}  // namespace
