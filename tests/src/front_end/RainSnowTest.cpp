// Rain and snow over the scene: how they follow the weather, the rain loop, the splashes' pace and
// the batches they draw, headless on the recording renderer with a clock moved by hand.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <set>
#include <string>

#include "D3DEngine.h"
#include "GDebug.h"
#include "GTimer.h"
#include "GUI_Rain.h"
#include "GUI_Snow.h"
#include "GUI_Sounds.h"
#include "Game.h"
#include "SIM_Weather.h"
#include "TestSupport.h"
#include "winmain.h"

namespace {

uint32_t g_rainClock = 5000;
uint32_t RainClock() { return g_rainClock; }

class RainSnow : public ::testing::Test {
 protected:
  void SetUp() override {
    GTimer::SetClock(&RainClock);
    BActive = GetGame()->InitApp();
    SIM_GetWeather()->SetNewWeather(SIM_Weather::WEATHER_SUN);
  }
  void TearDown() override { GTimer::SetClock(nullptr); }

  // One frame of rain, 16 ms after the last; the recorder holds that frame alone.
  static void RainFrame() {
    g_rainClock += 16;
    D3DEngine::GetRecorder().Clear();
    GUI_GetRain()->Draw();
  }
  static int LoopSlots() {
    int slots = 0;
    for (int s = 0; s < GUI_Sounds::SLOTS; ++s) {
      if (GUI_GetSounds()->GetSlotName(s) == GUI_Rain::SOUND && GUI_GetSounds()->IsSlotPlaying(s)) ++slots;
    }
    return slots;
  }
  static const DrawRecord* Batch(const std::string& texture) {
    for (const DrawRecord& r : D3DEngine::GetRecorder().Entries()) {
      if (r.kind == DrawKind::Triangles && r.texture.find(texture) != std::string::npos) return &r;
    }
    return nullptr;
  }
  // Log lines that start with `start` and name `file`.
  static int LogLines(const std::string& start, const std::string& file) {
    const std::string log = "\n" + testsupport::ReadFile(GetDebug()->GetPath());
    int count = 0;
    for (size_t pos = log.find("\n" + start); pos != std::string::npos; pos = log.find("\n" + start, pos + 1)) {
      const size_t end = log.find('\n', pos + 1);
      if (log.substr(pos, end - pos).find(file) != std::string::npos) ++count;
    }
    return count;
  }
};

TEST_F(RainSnow, RainBuildsUpOverAHundredFramesWithOneLoopAtFullVolume) {
  RainFrame();
  EXPECT_EQ(LoopSlots(), 0);
  EXPECT_EQ(D3DEngine::GetRecorder().Count(DrawKind::Triangles), 0);

  SIM_GetWeather()->ForceIntensity(SIM_Weather::WEATHER_RAIN, 1.0f);
  for (int frame = 1; frame <= 100; ++frame) {
    RainFrame();
    ASSERT_EQ(LoopSlots(), 1) << "frame " << frame;
    if (frame < 100) {
      ASSERT_LT(GUI_GetRain()->GetIntensity(), 1.0f) << "frame " << frame;
    }
  }
  EXPECT_EQ(GUI_GetRain()->GetIntensity(), 1.0f);
  const int slot = GUI_GetRain()->GetChannel();
  ASSERT_GE(slot, 0);
  EXPECT_FLOAT_EQ(GUI_GetSounds()->GetSlotVolume(slot), 1.0f);
  EXPECT_TRUE(GUI_GetSounds()->IsSlotLooping(slot));
  ASSERT_NE(Batch("raindrop2"), nullptr);
  EXPECT_EQ(Batch("raindrop2")->count, 6 * GUI_Rain::DROPS);

  // Leaving the window stops the loop; the first frame back starts it again.
  GUI_GetRain()->PauseSounds();
  EXPECT_EQ(LoopSlots(), 0);
  GUI_GetRain()->ResumeSounds();
  EXPECT_EQ(LoopSlots(), 0);
  RainFrame();
  EXPECT_EQ(LoopSlots(), 1);

  // The rain dies away at the same pace and takes its loop with it.
  SIM_GetWeather()->ForceIntensity(SIM_Weather::WEATHER_RAIN, 0.0f);
  for (int frame = 0; frame < 100; ++frame) RainFrame();
  EXPECT_EQ(GUI_GetRain()->GetIntensity(), 0.0f);
  EXPECT_EQ(LoopSlots(), 0);
  EXPECT_EQ(D3DEngine::GetRecorder().Count(DrawKind::Triangles), 0);
}

TEST_F(RainSnow, LightRainPlaysTheLoopAtAFifth) {
  SIM_GetWeather()->ForceIntensity(SIM_Weather::WEATHER_RAIN, 0.1f);
  RainFrame();
  ASSERT_GE(GUI_GetRain()->GetChannel(), 0);
  EXPECT_FLOAT_EQ(GUI_GetSounds()->GetSlotVolume(GUI_GetRain()->GetChannel()), 0.2f);
}

TEST_F(RainSnow, HalfRainDrawsHalfTheDropsAndSplashesAtLeast44msApart) {
  SIM_GetWeather()->ForceIntensity(SIM_Weather::WEATHER_RAIN, 0.5f);
  while (GUI_GetRain()->GetIntensity() < 0.5f) RainFrame();

  std::set<double> starts;
  for (int frame = 0; frame < 400; ++frame) {
    RainFrame();
    // Drops and splashes: two batches, whatever the number of splashes alive.
    ASSERT_EQ(D3DEngine::GetRecorder().Count(DrawKind::Triangles), 2) << D3DEngine::GetRecorder().Dump();
    ASSERT_NE(Batch("raindrop2"), nullptr);
    ASSERT_EQ(Batch("raindrop2")->count, 6 * 256);
    ASSERT_NE(Batch("rainsplash"), nullptr);
    ASSERT_EQ(Batch("rainsplash")->count, 6 * GUI_Rain::SPLASHES);
    for (int i = 0; i < GUI_Rain::SPLASHES; ++i) {
      if (!GUI_GetRain()->GetSplash(i).m_finished) starts.insert(GUI_GetRain()->GetSplash(i).m_startTime);
    }
  }
  // 400 frames of 16 ms leave room for about 145 splashes at the shortest gap.
  ASSERT_GT(starts.size(), 100u);
  const double shortest = GUI_RainSplash::LIFE_MS / (GUI_Rain::SPLASHES * 0.5);
  for (auto it = std::next(starts.begin()); it != starts.end(); ++it) {
    EXPECT_GE(*it - *std::prev(it), shortest);
  }
}

TEST_F(RainSnow, SnowDrawsAFlakeForEveryThousandthAndNothingWithoutSnow) {
  const struct {
    float snow;
    int flakes;
  } cases[] = {{0.0f, 0}, {0.3f, 300}, {1.0f, 1000}};
  for (const auto& c : cases) {
    SIM_GetWeather()->ForceIntensity(SIM_Weather::WEATHER_SNOW, c.snow);
    const float x = GUI_GetSnow()->GetFlake(0).m_position.x, y = GUI_GetSnow()->GetFlake(0).m_position.y;
    D3DEngine::GetRecorder().Clear();
    GUI_GetSnow()->Draw();
    const int batches = D3DEngine::GetRecorder().Count(DrawKind::Triangles);
    if (c.flakes == 0) {
      EXPECT_EQ(D3DEngine::GetRecorder().Entries().size(), 0u);
      EXPECT_EQ(GUI_GetSnow()->GetFlake(0).m_position.x, x);  // left where it was
      EXPECT_EQ(GUI_GetSnow()->GetFlake(0).m_position.y, y);
      continue;
    }
    ASSERT_EQ(batches, 1) << c.snow;
    const DrawRecord* batch = D3DEngine::GetRecorder().Last(DrawKind::Triangles);
    EXPECT_NE(batch->texture.find("snowflake2"), std::string::npos);
    EXPECT_EQ(batch->count, 6 * c.flakes) << c.snow;
  }
  // Each flake its own transparency, a white of 64 to 199.
  std::set<int> alphas;
  for (int i = 0; i < 6 * GUI_Snow::FLAKES; ++i) {
    const int a = int(GUI_Snow::Verts[i].diffuse >> 24);
    ASSERT_GE(a, 64);
    ASSERT_LE(a, 199);
    alphas.insert(a);
  }
  EXPECT_GT(alphas.size(), 100u);
}

TEST_F(RainSnow, AMissingRainLoopIsReportedOnceAndTheRainStillFalls) {
  const std::string sound = testsupport::ResourcesRoot() + "/data/sounds/rain_loop.ogg";
  ASSERT_EQ(std::remove(sound.c_str()), 0);
  SIM_GetWeather()->ForceIntensity(SIM_Weather::WEATHER_RAIN, 1.0f);
  for (int frame = 0; frame < 20; ++frame) RainFrame();
  // The window loses and regains the focus: the rain asks for its loop again.
  GUI_GetRain()->PauseSounds();
  for (int frame = 0; frame < 20; ++frame) RainFrame();
  EXPECT_EQ(LogLines("ERROR - FMOD[Failed to create sound]", "data/sounds/rain_loop.ogg"), 1);
  EXPECT_EQ(GUI_GetRain()->GetChannel(), -1);
  ASSERT_NE(Batch("raindrop2"), nullptr);
  EXPECT_EQ(Batch("raindrop2")->count, 6 * int(GUI_Rain::DROPS * GUI_GetRain()->GetIntensity()));
  EXPECT_GT(GUI_GetRain()->GetIntensity(), 0.35f);
}

}  // namespace
