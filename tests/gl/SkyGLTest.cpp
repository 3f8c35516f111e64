// The sky on a real Mesa GL context (offscreen video driver): the day, the evening and the night
// with its stars, and a lightning flash that whitens it all. The top of the gradient is checked
// against the style's colour and the pictures are saved as /tmp/vorla2-sky-<style>.png for a
// person to look at.
#include <gtest/gtest.h>

#include <cstdlib>
#include <string>

#include "D3DEngine.h"
#include "GLTestSupport.h"
#include "GTimer.h"
#include "GUI_AdvancedBackdrop.h"
#include "GUI_Lightning.h"
#include "SIM_SIM.h"
#include "SIM_Weather.h"

namespace {

using gltest::kH;
using gltest::kW;
using gltest::Pixel;
using Sky = GUI_AdvancedBackdrop;

uint32_t g_skyGLMs = 1000;
uint32_t SkyGLClock() { return g_skyGLMs; }

class SkyGL : public gltest::GLTest {
 protected:
  SkyGL() : GLTest(Fit::Exactly, kW, kH) {}

  void SetUpScene() override {
    GTimer::SetClock(&SkyGLClock);
    SIM_GetWeather()->SetNewWeather(SIM_Weather::WEATHER_SUN);
    GUI_GetAdvancedBackdrop()->Reset();
  }
  void TearDown() override {
    GTimer::SetClock(nullptr);
    GUI_GetLightning()->Initialise();
    GLTest::TearDown();
  }

  // The turn that asks for the style; one frame starts the blend, the next after it has ended is
  // read back.
  void DrawStyle(SIM_SIM::TURNMODE mode, int slots, int used, int style, const char* name) {
    SIM_GetSim()->SetMode(mode);
    SIM_GetSim()->SetSlots(slots, used);
    Sky* sky = GUI_GetAdvancedBackdrop();
    for (uint32_t wait : {0u, 3100u}) {
      g_skyGLMs += wait;
      m_engine->BeginRender();
      m_engine->ClearScreen(0xFF000000u);
      sky->Draw(false);
      m_engine->EndRender();
    }
    ReadBack();
    Save((std::string("/tmp/vorla2-sky-") + name + ".png").c_str());
    EXPECT_EQ(sky->GetCurrentStyle(), style) << name;
  }

  static bool Near(Pixel p, int r, int g, int b, int tolerance) {
    return std::abs(p.r - r) <= tolerance && std::abs(p.g - g) <= tolerance && std::abs(p.b - b) <= tolerance;
  }
};

TEST_F(SkyGL, DayEveningAndNightShowTheirColoursAtTheTop) {
  const struct {
    const char* name;
    SIM_SIM::TURNMODE mode;
    int slots, used, style;
  } cases[] = {
      {"day", SIM_SIM::TURNMODE_WORKDAY, 1, 0, Sky::STYLE_DAY},
      {"evening", SIM_SIM::TURNMODE_EVENING, 2, 1, Sky::STYLE_EVENING},
      {"night", SIM_SIM::TURNMODE_DAYENDED, 2, 2, Sky::STYLE_NIGHT},
  };
  for (const auto& c : cases) {
    DrawStyle(c.mode, c.slots, c.used, c.style, c.name);
    const LibColor top = Sky::TopColor(c.style);
    const Pixel p = At(5, 1);
    EXPECT_TRUE(Near(p, top.r, top.g, top.b, 3)) << c.name << ": " << p.r << "," << p.g << "," << p.b;
  }
  // The night's brightest star high up shines; the day never shows it.
  const Pixel star = At(471, 24);
  EXPECT_GT(star.r + star.g + star.b, 3 * 100) << star.r << "," << star.g << "," << star.b;
  DrawStyle(SIM_SIM::TURNMODE_WORKDAY, 1, 0, Sky::STYLE_DAY, "day");
  const Pixel day = At(471, 24);
  EXPECT_TRUE(Near(day, 35, 150, 212, 8)) << day.r << "," << day.g << "," << day.b;
}

TEST_F(SkyGL, AFullLightningSheetTurnsTheSkyWhite) {
  GUI_Lightning* lightning = GUI_GetLightning();
  lightning->PrepareNextStrike();
  g_skyGLMs += 120;  // the bolt has faded: thunder, and the sheet at full strength
  lightning->Draw();
  ASSERT_EQ(lightning->GetIntensity(), 1.0f);
  DrawStyle(SIM_SIM::TURNMODE_WORKDAY, 1, 0, Sky::STYLE_DAY, "lightning");
  ASSERT_EQ(lightning->GetIntensity(), 1.0f);  // only the rain's sheet fades it
  EXPECT_TRUE(Near(At(5, 1), 255, 255, 255, 2));
  EXPECT_TRUE(Near(At(5, 200), 255, 255, 255, 2));  // down to the roofs
}

}  // namespace
