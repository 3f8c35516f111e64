// The dentist's chair and the tennis page, headless: the pain chart traced over ten seconds and
// kept inside its frame, the close button held back until the bill shows, the reminder note taken
// down by the hook; the tennis racket bounded to its half of the court and the ball falling.
#include <gtest/gtest.h>

#include <string>

#include "../gui_toolkit/GuiToolkitTestSupport.h"
#include "D3DEngine.h"
#include "GRandom.h"
#include "GTranslation.h"
#include "GUI_CloseButton.h"
#include "GUI_Dentist.h"
#include "GUI_GUI.h"
#include "GUI_Postit.h"
#include "GUI_Tennis.h"
#include "Game.h"
#include "SIM_Finances.h"
#include "SIM_SoloActivityType.h"

void SIM_HookDentist();

namespace {

class DentistChair : public guitest::GuiTest {
 protected:
  void SetUp() override {
    GuiTest::SetUp();
    GetGame()->SetTownName("Elmstead");
    guitest::g_now = 1000;
  }
  // The trace segments drawn in the last drawing of the chart.
  static int TraceSegments() {
    int count = 0;
    for (const DrawRecord& r : D3DEngine::GetRecorder().Entries()) count += r.call == "RenderLine" && r.colour == 0xFF2020FFu;
    return count;
  }
  static void DrawAt(uint32_t ms) {
    guitest::g_now = ms;
    D3DEngine::GetRecorder().Clear();
    GUI_Dentist::PTheWindow->Draw();
  }
};

TEST_F(DentistChair, PointsShownFollowTheTenSeconds) {
  struct Case {
    double ms;
    int points;
  } cases[] = {{-50.0, 0}, {0.0, 0}, {99.0, 0}, {5000.0, 50}, {9999.0, 99}, {10000.0, 100}, {60000.0, 100}};
  for (const Case& c : cases) EXPECT_EQ(GUI_Dentist::PointsShown(c.ms), c.points) << c.ms;
}

TEST_F(DentistChair, TheChartTracesHalfItsPointsAtFiveSecondsAndThenShowsTheBill) {
  GUI_Dentist::Create();
  GUI_Dentist* chair = GUI_Dentist::PTheWindow;
  ASSERT_NE(chair, nullptr);
  EXPECT_TRUE(chair->IsModal());
  EXPECT_EQ(chair->GetTitle(), GTranslation::GetString("DENTIST_PAIN"));
  ASSERT_NE(chair->GetCloseButton(), nullptr);
  EXPECT_FALSE(chair->GetCloseButton()->IsEnabled());

  DrawAt(6000);  // five seconds in
  EXPECT_EQ(TraceSegments(), 2 * (50 - 1)) << "two traces of 50 points";
  EXPECT_FALSE(chair->IsFinished());
  EXPECT_FALSE(chair->GetCloseButton()->IsEnabled());

  DrawAt(11001);
  EXPECT_TRUE(chair->IsFinished());
  EXPECT_TRUE(chair->GetCloseButton()->IsEnabled());
  EXPECT_EQ(chair->GetTitle(), chair->GetDentistName());
  EXPECT_NE(chair->GetDentistName().find("Elmstead"), std::string::npos);
  const std::string& bill = chair->GetMessage();
  EXPECT_EQ(bill.find('<'), std::string::npos) << bill;
  EXPECT_NE(bill.find(std::string(GetGame()->GetCurrency()) + " "), std::string::npos) << bill;
  DrawAt(12000);
  EXPECT_EQ(TraceSegments(), 0) << "the bill replaces the chart";
  EXPECT_TRUE(D3DEngine::GetRecorder().HasText("Elmstead"));
}

TEST_F(DentistChair, TheBillIsTheCostOfTheEveningsVisitAndNothingIsCharged) {
  SIM_SoloActivityType::Open();
  const SIM_SoloActivityType* visit = SIM_SoloActivityType::GetByName("dentist");
  ASSERT_NE(visit, nullptr);
  GetGame()->SetCurrency("$");
  SIM_GetFinances()->SetCash(500.0f);
  GUI_Dentist::Create();
  const std::string bill = GFormat("$ %.2f", (double)visit->GetCost());
  EXPECT_NE(GUI_Dentist::PTheWindow->GetMessage().find(bill), std::string::npos) << GUI_Dentist::PTheWindow->GetMessage();
  for (uint32_t ms : {2000u, 12000u, 13000u}) {
    guitest::g_now = ms;
    GUI_Dentist::PTheWindow->Draw();
  }
  GUI_Dentist::Close();
  EXPECT_FLOAT_EQ(SIM_GetFinances()->GetCash(), 500.0f);
  SIM_SoloActivityType::Close();
}

TEST_F(DentistChair, TheTraceNeverLeavesTheChart) {
  for (unsigned seed = 1; seed <= 30; ++seed) {
    std::srand(seed);
    GUI_Dentist::Create();
    const GUI_Dentist* chair = GUI_Dentist::PTheWindow;
    const RECT& chart = chair->GetChartRect();
    const _D3DTLVERTEX* trace = chair->GetTrace();
    for (int i = 0; i < GUI_Dentist::kPoints; ++i) {
      ASSERT_GE(trace[i].y, (float)chart.top) << seed << " " << i;
      ASSERT_LE(trace[i].y, (float)chart.bottom) << seed << " " << i;
      ASSERT_GE(trace[i].x, (float)chart.left);
      ASSERT_LT(trace[i].x, (float)chart.right);
    }
  }
  GUI_Dentist::Close();
  EXPECT_EQ(GUI_Dentist::PTheWindow, nullptr);
}

TEST_F(DentistChair, TheHookTakesDownTheReminderAndSeatsThePlayer) {
  GUI_Postit::Open();
  GUI_Postit::Create(GTranslation::GetString("DENTIST_REMINDER"), GUI_Postit::TYPE_SCHEDULEDEVENT);
  GUI_Postit::Create("Bowling", GUI_Postit::TYPE_SCHEDULEDEVENT);
  ASSERT_EQ(GUI_Postit::All.size(), 2u);
  SIM_HookDentist();
  ASSERT_EQ(GUI_Postit::All.size(), 1u);
  EXPECT_EQ(GUI_Postit::All.front()->GetText(), "Bowling");
  EXPECT_NE(GUI_Dentist::PTheWindow, nullptr);
  GUI_Postit::Close();
}

TEST_F(DentistChair, TheTennisRacketStaysOnItsHalfAndTheBallFalls) {
  GUI_Tennis::Create();
  GUI_Tennis* page = GUI_Tennis::PTheWindow;
  ASSERT_NE(page, nullptr);
  struct Case {
    float mouseX, mouseY, x, y;
  } cases[] = {{500, 400, 500, 400}, {0, 0, 78, 220}, {1024, 768, 930, 600}, {50, 500, 78, 500}};
  for (const Case& c : cases) {
    guitest::MoveMouse(c.mouseX, c.mouseY);
    page->ProcessInput();
    EXPECT_EQ(page->GetPlayer()->GetX(), c.x);
    EXPECT_EQ(page->GetPlayer()->GetY(), c.y);
  }
  const float x = page->GetBall()->GetX();
  const float y = page->GetBall()->GetY();
  page->Draw();
  page->Draw();
  EXPECT_EQ(page->GetBall()->GetX(), x);
  EXPECT_FLOAT_EQ(page->GetBall()->GetY(), y + 2.0f * 0.2f * GUI_GetGUI()->GetRenderThrottle());
  GUI_Tennis::Close();
  EXPECT_EQ(GUI_Tennis::PTheWindow, nullptr);
}

}  // namespace
