// The sky: which style the day and the weather ask for, blends that always start from what is on
// screen, stars only around the night, and the drunk skyline's grid whose border stays put.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>

#include "D3DEngine.h"
#include "GRandom.h"
#include "GTimer.h"
#include "GUI_AdvancedBackdrop.h"
#include "Game.h"
#include "SIM_SIM.h"
#include "SIM_Weather.h"
#include "winmain.h"

namespace {

using Sky = GUI_AdvancedBackdrop;

uint32_t g_advancedSkyMs = 1000;
uint32_t AdvancedSkyClock() { return g_advancedSkyMs; }

class SkyTest : public ::testing::Test {
 protected:
  void SetUp() override {
    GTimer::SetClock(&AdvancedSkyClock);
    BActive = GetGame()->InitApp();
    sky = GUI_GetAdvancedBackdrop();
    sky->ForceStyle(Sky::STYLE_DAY);
  }
  void TearDown() override { GTimer::SetClock(nullptr); }

  // The clock moves on and the sky takes one blend step.
  void Step(uint32_t ms) {
    g_advancedSkyMs += ms;
    sky->Interpolate();
  }

  Sky* sky = nullptr;
};

::testing::AssertionResult SameColour(const LibColor& a, const LibColor& b) {
  if (a.r == b.r && a.g == b.g && a.b == b.b && a.a == b.a) return ::testing::AssertionSuccess();
  return ::testing::AssertionFailure() << a.r << "," << a.g << "," << a.b << "," << a.a << " != " << b.r << ","
                                       << b.g << "," << b.b << "," << b.a;
}

// The largest change of any channel between two colours.
int Jump(const LibColor& a, const LibColor& b) {
  return std::max({std::abs(a.r - b.r), std::abs(a.g - b.g), std::abs(a.b - b.b), std::abs(a.a - b.a)});
}

TEST(SkyStyle, TheDayAndTheWeatherChooseTheStyle) {
  const struct {
    const char* what;
    bool finished, evening;
    int slotsLeft;
    float cloud, rain, snow;
    int style;
  } cases[] = {
      {"a finished day with rain is night", true, false, 0, 0.0f, 0.8f, 0.0f, Sky::STYLE_NIGHT},
      {"rain beats cloud and snow", false, false, 1, 0.5f, 0.2f, 0.5f, Sky::STYLE_RAIN},
      {"cloud alone is overcast", false, false, 1, 0.3f, 0.0f, 0.0f, Sky::STYLE_OVERCAST},
      {"snow alone is overcast", false, true, 1, 0.0f, 0.0f, 0.1f, Sky::STYLE_OVERCAST},
      {"an evening with 2 slots left is day", false, true, 2, 0.0f, 0.0f, 0.0f, Sky::STYLE_DAY},
      {"an evening with 1 slot left is evening", false, true, 1, 0.0f, 0.0f, 0.0f, Sky::STYLE_EVENING},
      {"the working day is day", false, false, 1, 0.0f, 0.0f, 0.0f, Sky::STYLE_DAY},
  };
  for (const auto& c : cases)
    EXPECT_EQ(Sky::ChooseStyle(c.finished, c.evening, c.slotsLeft, c.cloud, c.rain, c.snow), c.style) << c.what;
}

TEST_F(SkyTest, TheGamesTurnAndWeatherReachTheTarget) {
  SIM_SIM* sim = SIM_GetSim();
  sim->SetMode(SIM_SIM::TURNMODE_EVENING);
  sim->SetSlots(2, 0);
  SIM_GetWeather()->SetNewWeather(SIM_Weather::WEATHER_SUN);
  sky->CalculateTargetStyle();
  EXPECT_EQ(sky->GetTargetStyle(), Sky::STYLE_DAY);
  sim->SetSlots(2, 1);
  sky->CalculateTargetStyle();
  EXPECT_EQ(sky->GetTargetStyle(), Sky::STYLE_EVENING);
  SIM_GetWeather()->SetNewWeather(SIM_Weather::WEATHER_RAIN);
  sky->CalculateTargetStyle();
  EXPECT_EQ(sky->GetTargetStyle(), Sky::STYLE_RAIN);
  sim->SetMode(SIM_SIM::TURNMODE_DAYENDED);
  sky->CalculateTargetStyle();
  EXPECT_EQ(sky->GetTargetStyle(), Sky::STYLE_NIGHT);
}

TEST_F(SkyTest, ForcingAStyleShowsItsColoursAtOnce) {
  sky->ForceStyle(Sky::STYLE_NIGHT);
  Step(5000);
  EXPECT_EQ(sky->GetCurrentStyle(), Sky::STYLE_NIGHT);
  EXPECT_TRUE(SameColour(sky->GetDisplayTop(), Sky::TopColor(Sky::STYLE_NIGHT)));
  EXPECT_TRUE(SameColour(sky->GetDisplayBottom(), Sky::BottomColor(Sky::STYLE_NIGHT)));
  sky->ForceStyle(Sky::STYLE_DAY);
  sky->Interpolate();
  EXPECT_TRUE(SameColour(sky->GetDisplayTop(), LibColor(35, 150, 212, 255)));
}

TEST_F(SkyTest, AWeatherChangeMidBlendStartsANewBlendWithNoColourJump) {
  sky->SetTargetStyle(Sky::STYLE_NIGHT);
  Step(1500);
  EXPECT_FLOAT_EQ(sky->GetBlendFactor(), 0.5f);
  const LibColor top = sky->GetDisplayTop(), bottom = sky->GetDisplayBottom();
  EXPECT_TRUE(SameColour(top, LibColor::Interpolate(Sky::TopColor(Sky::STYLE_DAY), Sky::TopColor(Sky::STYLE_NIGHT), 0.5f)));

  sky->SetTargetStyle(Sky::STYLE_RAIN);
  Step(0);
  EXPECT_EQ(sky->GetBlendFactor(), 0.0f);
  EXPECT_TRUE(SameColour(sky->GetDisplayTop(), top));
  EXPECT_TRUE(SameColour(sky->GetDisplayBottom(), bottom));

  // Frame by frame to the end: no step larger than a frame's share of the whole way.
  LibColor last = sky->GetDisplayTop();
  for (int ms = 0; ms < 3000; ms += 33) {
    Step(33);
    EXPECT_LE(Jump(last, sky->GetDisplayTop()), 6) << ms;
    last = sky->GetDisplayTop();
    if (sky->GetBlendFactor() < 1.0f) {
      EXPECT_EQ(sky->GetCurrentStyle(), Sky::STYLE_DAY) << ms;
    }
  }
  Step(100);
  EXPECT_EQ(sky->GetCurrentStyle(), Sky::STYLE_RAIN);
  EXPECT_TRUE(SameColour(sky->GetDisplayTop(), Sky::TopColor(Sky::STYLE_RAIN)));
  EXPECT_TRUE(SameColour(sky->GetBlendedClouds(), Sky::CloudColor(Sky::STYLE_RAIN)));
}

TEST_F(SkyTest, ReturningToTheCurrentStyleDoesNotRestartTheBlend) {
  sky->SetTargetStyle(Sky::STYLE_EVENING);
  Step(1000);
  sky->SetTargetStyle(Sky::STYLE_DAY);  // back to where the sky still stands
  Step(0);
  EXPECT_NEAR(sky->GetBlendFactor(), 1.0f / 3.0f, 1e-4);
  Step(2001);
  EXPECT_EQ(sky->GetCurrentStyle(), Sky::STYLE_DAY);
  EXPECT_TRUE(SameColour(sky->GetDisplayTop(), Sky::TopColor(Sky::STYLE_DAY)));
}

TEST_F(SkyTest, StarsShowOnlyAroundTheNight) {
  EXPECT_EQ(sky->GetStarAlpha(), 0.0f);
  sky->SetTargetStyle(Sky::STYLE_NIGHT);
  Step(750);
  EXPECT_FLOAT_EQ(sky->GetStarAlpha(), 0.25f);
  Step(2300);
  EXPECT_FLOAT_EQ(sky->GetStarAlpha(), 1.0f);
  sky->SetTargetStyle(Sky::STYLE_DAY);
  Step(750);
  EXPECT_FLOAT_EQ(sky->GetStarAlpha(), 0.75f);
  Step(2300);
  EXPECT_EQ(sky->GetStarAlpha(), 0.0f);
}

TEST(SkyStars, EachStarFadesTowardsTheHorizon) {
  BActive = GetGame()->InitApp();
  GUI_BackdropStars stars;
  DrawRecorder& recorder = D3DEngine::GetRecorder();
  recorder.Clear();
  GetD3DEngine()->BeginRender();
  stars.Draw(0.5f);
  GetD3DEngine()->EndRender();
  const auto quads = recorder.Filter(DrawKind::Quad);
  ASSERT_EQ((int)quads.size(), GUI_BackdropStars::NUM_STARS);
  for (int i = 0; i < GUI_BackdropStars::NUM_STARS; ++i) {
    const BaseSprite& star = stars.GetStar(i);
    EXPECT_GE(star.width, 4.0f);
    EXPECT_LT(star.width, 10.0f);
    EXPECT_EQ(star.width, star.height);
    const float k = 1.0f - star.GetCenterY() / 300.0f;
    EXPECT_EQ(int(quads[i].colour >> 24), int(255.0f * 0.5f * k)) << "star " << i;
    EXPECT_NE(quads[i].texture.find("skyline_star"), std::string::npos);
  }
}

TEST(SkyDistorter, OnlyTheInnerPointsSwayAlongADiagonal) {
  BActive = GetGame()->InitApp();
  GUI_ImageDistorter grid;
  int inner = 0;
  for (int frame = 0; frame < 200; ++frame) {
    grid.Flutter(3.0f);
    for (int i = 0; i < GUI_ImageDistorter::POINTS; ++i) {
      const D3DVECTOR& rest = grid.GetRest(i);
      const D3DVECTOR& moved = grid.GetMoved(i);
      const float dx = moved.x - rest.x, dy = moved.y - rest.y;
      if (!GUI_ImageDistorter::IsInner(i)) {
        EXPECT_EQ(dx, 0.0f) << i;
        EXPECT_EQ(dy, 0.0f) << i;
        continue;
      }
      if (frame == 0) ++inner;
      EXPECT_NEAR(dx, dy, 1e-3f) << i;  // the same cosine on both axes
      EXPECT_LE(std::fabs(dx), 8.0f) << i;
    }
  }
  EXPECT_EQ(inner, 24);
  // The grid spans the screen with a pixel to spare on every side.
  EXPECT_EQ(grid.GetRest(0).x, -1.0f);
  EXPECT_EQ(grid.GetRest(0).y, -1.0f);
  EXPECT_FLOAT_EQ(grid.GetRest(GUI_ImageDistorter::POINTS - 1).x, D3DEngine::W + 1.0f);
  EXPECT_FLOAT_EQ(grid.GetRest(GUI_ImageDistorter::POINTS - 1).y, D3DEngine::H + 1.0f);
}

TEST(SkyRandom, TheSceneStreamNeverMovesTheGamesDraws) {
  std::srand(42);
  const int first = std::rand();
  std::srand(42);
  GRandomStream scene(5);
  for (int i = 0; i < 100; ++i) scene.Rand();
  EXPECT_EQ(std::rand(), first);
  // Of the same kind as the game's: one seed, one sequence.
  std::srand(9);
  scene.Seed(9);
  for (int i = 0; i < 10; ++i) EXPECT_EQ(scene.Rand(), std::rand());
}

}  // namespace
