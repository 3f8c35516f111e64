// The firework display on a real Mesa GL context (offscreen video driver), a second and a half into
// it on a clock moved by hand, saved as /tmp/vorla2-fireworks.png for a person to look at. Sparks
// are added onto the night sky: they show, and no pixel is darker than the sky behind it.
#include <gtest/gtest.h>

#include <algorithm>

#include "D3DEngine.h"
#include "GLTestSupport.h"
#include "GUI_Fireworks.h"
#include "GUI_ParticleEmmiter.h"
#include "GUI_ParticleManager.h"
#include "GRandom.h"

namespace fireworksgl {

using gltest::kH;
using gltest::kW;
using gltest::Pixel;

uint32_t g_now = 0;
uint32_t TestClock() { return g_now; }

constexpr int kSkyR = 0x10, kSkyG = 0x18, kSkyB = 0x40;

class FireworksGL : public gltest::GLTest {
 protected:
  FireworksGL() : GLTest(Fit::Exactly, kW, kH) {}
  void TearDown() override {
    GetFireworks()->StopDisplay();
    GUI_ParticleManager::Close();
    GUI_Particles::SetClock(nullptr);
    GLTest::TearDown();
  }
};

TEST_F(FireworksGL, SparksAddLightToTheNightSky) {
  GUI_Particles::SetClock(&TestClock);
  GRandom::Scene().Seed(7);
  g_now = 5000;
  GetFireworks()->FireworkDisplay();
  for (int frame = 0; frame < 45; ++frame) {
    g_now += 33;
    m_engine->BeginRender();
    m_engine->ClearScreen(SpriteColor(kSkyR, kSkyG, kSkyB));
    GetFireworks()->Draw();
    GUI_ParticleManager::Draw();
    if (frame < 44) m_engine->EndRender();
  }
  m_engine->EndRender();
  ReadBack();
  Save("/tmp/vorla2-fireworks.png");

  int lit = 0, darker = 0;
  for (int y = 0; y < kH; ++y) {
    for (int x = 0; x < kW; ++x) {
      const Pixel p = At(x, y);
      if (p.r < kSkyR - 2 || p.g < kSkyG - 2 || p.b < kSkyB - 2) ++darker;
      if (p.r + p.g + p.b > 3 * 160) ++lit;
    }
  }
  EXPECT_EQ(darker, 0);
  EXPECT_GT(lit, 500);  // several bursts' worth of bright sparks
  EXPECT_GE(GUI_ParticleManager::Emmiters.size(), 3u);
}

}  // namespace fireworksgl
