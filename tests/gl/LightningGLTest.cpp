// A storm on a real Mesa GL context (offscreen video driver): the bolt at its peak shows pure white
// over a dark sky, and the sheet after it whitens the whole screen. The pictures are saved
// as /tmp/vorla2-lightning-*.png for a person to look at.
#include <gtest/gtest.h>

#include <cstdint>

#include "D3DEngine.h"
#include "GLTestSupport.h"
#include "GTimer.h"
#include "GUI_Lightning.h"

namespace {

using gltest::kH;
using gltest::kW;
using gltest::Pixel;

uint32_t g_stormNow = 1000;
uint32_t StormNow() { return g_stormNow; }

constexpr uint32_t kDark = 0xFF302020u;  // sprite packing: r 0x20, g 0x20, b 0x30

class LightningGL : public gltest::GLTest {
 protected:
  LightningGL() : GLTest(Fit::Exactly, kW, kH) {}
  void SetUpScene() override { GTimer::SetClock(&StormNow); }
  void TearDown() override {
    GTimer::SetClock(nullptr);
    GLTest::TearDown();
  }
  static bool White(Pixel p) { return p.r >= 254 && p.g >= 254 && p.b >= 254; }
};

TEST_F(LightningGL, TheBoltPeaksWhiteAndTheSheetWhitensTheSky) {
  GUI_Lightning* lightning = GUI_GetLightning();
  lightning->PrepareNextStrike();
  lightning->Draw();
  // Half-way through the strike the bolt shows at full strength in its box (centred at 595, 160).
  g_stormNow += 55;
  m_engine->BeginRender();
  m_engine->ClearScreen(kDark);
  lightning->Draw();
  m_engine->EndRender();
  ReadBack();
  Save("/tmp/vorla2-lightning-bolt.png");
  int white = 0;
  for (int y = 0; y < 335; ++y) {
    for (int x = 420; x < 770; ++x) white += White(At(x, y)) ? 1 : 0;
  }
  EXPECT_GT(white, 100);
  EXPECT_FALSE(White(At(100, 100)));  // outside the bolt the sky stays dark

  // The strike ends: the sheet covers the whole screen in white, one fade step below full.
  g_stormNow += 56;
  lightning->Draw();
  ASSERT_EQ(lightning->GetIntensity(), 1.0f);
  m_engine->BeginRender();
  m_engine->ClearScreen(kDark);
  lightning->DrawSheet();
  m_engine->EndRender();
  ReadBack();
  Save("/tmp/vorla2-lightning-sheet.png");
  for (int x : {0, kW / 2, kW - 1}) {
    for (int y : {0, kH / 2, kH - 1}) {
      const Pixel p = At(x, y);
      EXPECT_TRUE(p.r >= 230 && p.g >= 230 && p.b >= 230) << x << "," << y;
    }
  }
}

}  // namespace
