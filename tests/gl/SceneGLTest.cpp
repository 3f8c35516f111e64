// The rest of the scene on a real Mesa GL context (offscreen video driver): snow over the night
// sky, the mess of a dirty home with a dog, the skyline swaying after a drink and a storm's rain
// under the lightning. Each picture is saved as /tmp/vorla2-scene-<name>.png for a person to look
// at; the checks are what a player would see at a glance, against the same sky without the effect.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <string>

#include "D3DEngine.h"
#include "GLTestSupport.h"
#include "GRandom.h"
#include "GTimer.h"
#include "GUI_AdvancedBackdrop.h"
#include "GUI_Backdrop.h"
#include "GUI_Dirt.h"
#include "GUI_Lightning.h"
#include "GUI_Rain.h"
#include "GUI_Snow.h"
#include "SIM_GlobalVariable.h"
#include "SIM_NamedValue.h"
#include "SIM_SIM.h"
#include "SIM_Vede.h"
#include "SIM_Weather.h"

namespace scenegl {

using gltest::kH;
using gltest::kW;
using gltest::Pixel;
using Sky = GUI_AdvancedBackdrop;

uint32_t g_now = 1000;
uint32_t SceneClock() { return g_now; }

class SceneGL : public gltest::GLTest {
 protected:
  SceneGL() : GLTest(Fit::Exactly, kW, kH) {}

  void SetUpScene() override {
    GTimer::SetClock(&SceneClock);
    GRandom::Scene().Seed(11);
    SIM_GetGlobalVariables()->Load();
    for (int type = 0; type < SIM_Weather::WEATHER_COUNT; ++type) SIM_GetWeather()->ForceIntensity(type, 0.0f);
    SIM_GetWeather()->SetNewWeather(SIM_Weather::WEATHER_SUN);
    SIM_GetVede()->GetNamedValue("alcohol", true)->SetValue(0.0f);
    GUI_Backdrop::Refresh();
    GUI_GetAdvancedBackdrop()->Reset();
    GUI_GetLightning()->Initialise();
  }
  void TearDown() override {
    for (int type = 0; type < SIM_Weather::WEATHER_COUNT; ++type) SIM_GetWeather()->ForceIntensity(type, 0.0f);
    SIM_GetVede()->GetNamedValue("alcohol", true)->SetValue(0.0f);
    GUI_Backdrop::Refresh();
    GUI_GetDirt()->Clean();
    GUI_GetLightning()->Initialise();
    GTimer::SetClock(nullptr);
    GLTest::TearDown();
  }

  // Settles the sky on the turn's style (one frame starts the blend, the blend ends), then draws
  // `frames` frames 16 ms apart with `extra` after the sky, and reads the last one back.
  void DrawScene(SIM_SIM::TURNMODE mode, int slots, int used, int frames, void (*extra)()) {
    SIM_GetSim()->SetMode(mode);
    SIM_GetSim()->SetSlots(slots, used);
    for (int frame = -2; frame < frames; ++frame) {
      g_now += frame == -1 ? 3100 : 16;
      m_engine->BeginRender();
      m_engine->ClearScreen(0xFF000000u);
      GUI_GetBackdrop()->DrawWeatherBackdrop();
      if (extra && frame >= 0) extra();
      m_engine->EndRender();
    }
    ReadBack();
  }

  std::vector<uint8_t> Picture() const { return m_pixels; }

  // Pixels of the picture read back that differ from `before` by more than a little, in a box.
  int Changed(const std::vector<uint8_t>& before, gltest::Box box) const {
    int changed = 0;
    for (int y = box.top; y < box.bottom; ++y) {
      for (int x = box.left; x < box.right; ++x) {
        const size_t i = 4 * ((size_t)y * kW + x);
        const int d = std::abs(m_pixels[i] - before[i]) + std::abs(m_pixels[i + 1] - before[i + 1]) +
                      std::abs(m_pixels[i + 2] - before[i + 2]);
        if (d > 24) ++changed;
      }
    }
    return changed;
  }
  static int Brightness(Pixel p) { return p.r + p.g + p.b; }
};

TEST_F(SceneGL, SnowShowsAsLightFlakesOnTheNightSky) {
  DrawScene(SIM_SIM::TURNMODE_DAYENDED, 2, 2, 1, [] { GUI_GetSnow()->Draw(); });
  const std::vector<uint8_t> clear = Picture();
  SIM_GetWeather()->ForceIntensity(SIM_Weather::WEATHER_SNOW, 1.0f);
  DrawScene(SIM_SIM::TURNMODE_DAYENDED, 2, 2, 30, [] { GUI_GetSnow()->Draw(); });
  Save("/tmp/vorla2-scene-snow.png");
  // The flakes lighten the dark sky all over, never darken it.
  int lighter = 0, darker = 0;
  for (int y = 0; y < kH; y += 2) {
    for (int x = 0; x < kW; x += 2) {
      const size_t i = 4 * ((size_t)y * kW + x);
      const int now = m_pixels[i] + m_pixels[i + 1] + m_pixels[i + 2];
      const int was = clear[i] + clear[i + 1] + clear[i + 2];
      if (now > was + 30) ++lighter;
      if (now < was - 30) ++darker;
    }
  }
  EXPECT_GT(lighter, 200);
  EXPECT_EQ(darker, 0);
}

TEST_F(SceneGL, AReallyDirtyHomeWithADogShowsItsMessOverTheDay) {
  DrawScene(SIM_SIM::TURNMODE_WORKDAY, 1, 0, 1, nullptr);
  const std::vector<uint8_t> clean = Picture();
  SIM_NamedValueList::ForceGlobal("glob_dirt", 1.0f);
  SIM_NamedValueList::ForceGlobal("dog", 1.0f);
  GUI_GetDirt()->Initialise();
  GUI_GetDirt()->Process();
  ASSERT_GT(GUI_GetDirt()->GetVisibleDirtCount(), 0);
  DrawScene(SIM_SIM::TURNMODE_WORKDAY, 1, 0, 1, [] { GUI_GetDirt()->Draw(); });
  Save("/tmp/vorla2-scene-mess.png");
  EXPECT_GT(Changed(clean, {0, 0, kW, kH}), kW * kH / 100);
  SIM_NamedValueList::ForceGlobal("glob_dirt", 0.0f);
  SIM_NamedValueList::ForceGlobal("dog", 0.0f);
}

TEST_F(SceneGL, ADrinkSwaysTheSkylineButNotTheScreensEdges) {
  DrawScene(SIM_SIM::TURNMODE_WORKDAY, 1, 0, 1, nullptr);
  const std::vector<uint8_t> sober = Picture();
  SIM_GetVede()->GetNamedValue("alcohol", true)->SetValue(0.9f);
  GUI_Backdrop::Refresh();  // what the drink's effect calls: the next frame sways
  ASSERT_TRUE(GUI_GetBackdrop()->IsDrunk());
  DrawScene(SIM_SIM::TURNMODE_WORKDAY, 1, 0, 40, nullptr);
  Save("/tmp/vorla2-scene-drunk.png");
  EXPECT_GT(Changed(sober, {0, 200, kW, kH - 60}), 500);  // the roofs and windows have moved
  EXPECT_EQ(Changed(sober, {0, 0, kW, 2}), 0);            // the grid's outer points stay put
}

TEST_F(SceneGL, AStormDrawsRainUnderTheFadingSheet) {
  DrawScene(SIM_SIM::TURNMODE_EVENING, 2, 1, 1, nullptr);
  const std::vector<uint8_t> dry = Picture();
  SIM_GetWeather()->ForceIntensity(SIM_Weather::WEATHER_RAIN, 1.0f);
  DrawScene(SIM_SIM::TURNMODE_EVENING, 2, 1, 120, [] { GUI_GetRain()->Draw(); });
  Save("/tmp/vorla2-scene-rain.png");
  EXPECT_GT(Changed(dry, {0, 0, kW, kH}), 1000);
  // A strike whitens the sky; it fades over the following frames of rain.
  GUI_GetLightning()->PrepareNextStrike();
  g_now += 120;
  GUI_GetLightning()->Draw();
  ASSERT_EQ(GUI_GetLightning()->GetIntensity(), 1.0f);
  DrawScene(SIM_SIM::TURNMODE_EVENING, 2, 1, 1, [] { GUI_GetRain()->Draw(); });
  Save("/tmp/vorla2-scene-lightning.png");
  const Pixel top = At(5, 1);
  EXPECT_GT(Brightness(top), 3 * 200) << top.r << "," << top.g << "," << top.b;
}

// Sprites are drawn cut down to their pictures' visible texels; what is cut would have blended at
// alpha 0. The same quads drawn whole, as triangles, must give the same picture.
TEST_F(SceneGL, ASpriteCutToItsVisibleTexelsLooksTheSame) {
  const struct {
    const char* texture;
    float l, t, r, b, u0, v0, u1, v1;
  } cases[] = {
      {"m_av_glasses_round.png", 101.3f, 57.6f, 101.3f + 256 * 1.37f, 57.6f + 512 * 1.37f, 0, 0, 1, 1},
      {"pawprint.png", 500.5f, 40.25f, 560.5f, 100.25f, 0, 0, 1, 1},
      {"skyline_buildings.png", 0, 0, kW, kH, 0, 0.1f, 0.75f, 1},
  };
  for (const auto& c : cases) {
    std::vector<uint8_t> whole;
    for (bool cut : {false, true}) {
      m_engine->BeginRender();
      m_engine->ClearScreen(SpriteColor(40, 90, 160));
      ASSERT_TRUE(m_engine->SetTexture(c.texture)) << c.texture;
      const uint32_t tint = SpriteColor(255, 230, 200, 220);
      _D3DTLVERTEX v[4] = {{c.l, c.t, 0, 1, tint, tint, c.u0, c.v0},
                           {c.r, c.t, 0, 1, tint, tint, c.u1, c.v0},
                           {c.l, c.b, 0, 1, tint, tint, c.u0, c.v1},
                           {c.r, c.b, 0, 1, tint, tint, c.u1, c.v1}};
      if (cut) {
        m_engine->DrawQuad(v);
      } else {
        for (_D3DTLVERTEX& p : v) p.diffuse = VBColor(255, 230, 200, 220);
        const uint16_t triangles[6] = {0, 1, 2, 2, 1, 3};
        m_engine->DrawTriangles(v, triangles, 6);
      }
      m_engine->EndRender();
      ReadBack();
      if (!cut) whole = Picture();
    }
    int worst = 0;
    for (size_t i = 0; i < whole.size(); ++i) worst = std::max(worst, std::abs(int(m_pixels[i]) - int(whole[i])));
    EXPECT_LE(worst, 1) << c.texture;
  }
}

}  // namespace scenegl
