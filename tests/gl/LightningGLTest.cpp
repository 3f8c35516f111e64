// A storm on a real Mesa GL context (offscreen video driver): the bolt at its peak shows pure white
// over a dark sky, and the sheet's full intensity turns the sky pure white. The pictures are saved
// as /tmp/vorla2-lightning-*.png for a person to look at.
#include <gtest/gtest.h>

#include <cstdint>

#include "D3DEngine.h"
#include "GLTestSupport.h"
#include "GTimer.h"
#include "GUI_AdvancedBackdrop.h"
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

  // The strike ends: the sheet is at 1.0 and the sky's gradient and skyline tint are pure white.
  g_stormNow += 56;
  lightning->Draw();
  ASSERT_EQ(lightning->GetIntensity(), 1.0f);
  GUI_AdvancedBackdrop* sky = GUI_GetAdvancedBackdrop();
  sky->Reset();
  m_engine->BeginRender();
  m_engine->ClearScreen(kDark);
  sky->Draw(false);
  m_engine->EndRender();
  ReadBack();
  Save("/tmp/vorla2-lightning-sky.png");
  for (int x : {10, kW / 2, kW - 10}) EXPECT_TRUE(White(At(x, 5))) << x;

  // Faded to nothing, the sky is no longer white.
  while (lightning->GetIntensity() > 0.0f) lightning->DrawSheet();
  m_engine->BeginRender();
  sky->Draw(false);
  m_engine->EndRender();
  ReadBack();
  EXPECT_FALSE(White(At(kW / 2, 5)));
}

}  // namespace
