// The bowling team's invitation, the dentist's chair (its chart half traced, then its bill) and the
// tennis page on a real Mesa GL context (offscreen video driver). Each is checked for what it must
// show where it shows it and saved as /tmp/vorla2-team-invite.png, /tmp/vorla2-dentist-chart.png,
// /tmp/vorla2-dentist-bill.png and /tmp/vorla2-tennis.png for a person to look at.
#include <gtest/gtest.h>

#include <cstdint>

#include "GLTestSupport.h"
#include "GTimer.h"
#include "GUI_Dentist.h"
#include "GUI_TeamInvite.h"
#include "GUI_Tennis.h"
#include "GUI_WindowBackground.h"
#include "GUI_WindowManager.h"
#include "Game.h"

namespace {

using gltest::kH;
using gltest::kW;

uint32_t g_eveningClock = 1000;
uint32_t EveningClock() { return g_eveningClock; }

class EveningWindowsGL : public gltest::GLTest {
 protected:
  EveningWindowsGL() : GLTest(Fit::Exactly, kW, kH) {}
  void SetUpScene() override {
    GUI_WindowBackground::Open();
    GetGame()->SetTownName("Elmstead");
    GTimer::SetClock(&EveningClock);
  }
  void TearDown() override {
    GUI_GetWindowManager()->CloseAll();
    GUI_Tennis::Close();
    GTimer::SetClock(nullptr);
    GLTest::TearDown();
  }
  // Two frames (the first lays out), the second read back and saved.
  void Shoot(const char* path) {
    for (int i = 0; i < 2; ++i) {
      m_engine->BeginRender();
      m_engine->ClearScreen(0xFF6E5A46u);
      GUI_WindowManager* manager = GUI_GetWindowManager();
      if (!manager->DrawFullscreen()) manager->Draw();
      m_engine->EndRender();
      if (i == 0) m_engine->Flip();
    }
    ReadBack();
    Save(path);
  }
  static int Sum(gltest::Pixel p) { return p.r + p.g + p.b; }
};

}  // namespace

TEST_F(EveningWindowsGL, TheTeamsInvitationShowsItsPictureBesideItsText) {
  GUI_TeamInvite::Create();
  ASSERT_NE(GUI_TeamInvite::PTheWindow, nullptr);
  Shoot("/tmp/vorla2-team-invite.png");
  const RECT& c = GUI_TeamInvite::PTheWindow->GetClientArea();
  const gltest::Pixel picture = At(c.left + 110, c.top + 110);
  EXPECT_FALSE(picture.r == 0x46 && picture.g == 0x5A && picture.b == 0x6E);
  EXPECT_GT(Sum(At((c.left + c.right) / 2, c.top + 5)), 400) << "a light client area";
}

TEST_F(EveningWindowsGL, TheDentistsChartIsTracedInRedThenTheBillReplacesIt) {
  g_eveningClock = 1000;
  GUI_Dentist::Create();
  GUI_Dentist* chair = GUI_Dentist::PTheWindow;
  ASSERT_NE(chair, nullptr);
  g_eveningClock = 6000;
  Shoot("/tmp/vorla2-dentist-chart.png");
  const RECT& chart = chair->GetChartRect();
  int red = 0;
  for (int y = chart.top; y < chart.bottom; ++y) {
    for (int x = chart.left; x < chart.right; ++x) {
      const gltest::Pixel p = At(x, y);
      red += p.r > 200 && p.g < 80 && p.b < 80;
    }
  }
  EXPECT_GT(red, 100) << "the trace";
  // Only the left half is traced after five seconds.
  int redRight = 0;
  for (int y = chart.top; y < chart.bottom; ++y) {
    for (int x = (chart.left + chart.right) / 2 + 4; x < chart.right; ++x) {
      const gltest::Pixel p = At(x, y);
      redRight += p.r > 200 && p.g < 80 && p.b < 80;
    }
  }
  EXPECT_EQ(redRight, 0);

  g_eveningClock = 12000;
  Shoot("/tmp/vorla2-dentist-bill.png");
  ASSERT_TRUE(chair->IsFinished());
  const RECT& c = chair->GetClientArea();
  EXPECT_GT(Sum(At((c.left + c.right) / 2, c.bottom - 20)), 400) << "the bill's light page";
}

TEST_F(EveningWindowsGL, TheTennisCourtFillsTheScreenUnderRacketsAndBall) {
  GUI_Tennis::Create();
  ASSERT_NE(GUI_Tennis::PTheWindow, nullptr);
  Shoot("/tmp/vorla2-tennis.png");
  const gltest::Pixel court = At(kW / 2 - 100, kH / 3);  // inside a service box, clear of the lines
  EXPECT_GT(court.b, court.r + 40) << "the blue court";
}
