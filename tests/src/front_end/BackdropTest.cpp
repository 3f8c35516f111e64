// The in-game backdrop's own parts: the storm's bolt, thunder and sheet; the fly-by; the drink that
// sways the skyline. Recording renderer at 1024 x 768 and a hand-moved clock.
#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

#include "D3DEngine.h"
#include "GTimer.h"
#include "GUI_Backdrop.h"
#include "GUI_Helicopter.h"
#include "GUI_Lightning.h"
#include "GUI_Sounds.h"
#include "SIM_NamedValue.h"
#include "SIM_PlayerOptions.h"
#include "SIM_Vede.h"

namespace {

uint32_t g_backdropNow = 5000;
uint32_t BackdropNow() { return g_backdropNow; }

class BackdropTest : public ::testing::Test {
 protected:
  void SetUp() override {
    D3DEngine* engine = GetD3DEngine();
    engine->Initialise(nullptr, nullptr, 1024, 768, 32, true, true);
    if (engine->GetBitmapDirectories().empty()) engine->AddBitmapDirectories("data/bitmaps", true);
    GTimer::SetClock(&BackdropNow);
    D3DEngine::GetRecorder().Clear();
  }
  void TearDown() override {
    SIM_GetPlayerOptions()->SetToggle(SIM_PlayerOptions::TOGGLE_BACKGROUND, false);
    GTimer::SetClock(nullptr);
  }

  // The untextured full-screen quads drawn since the last clear: the sheet.
  static std::vector<DrawRecord> Sheets() {
    std::vector<DrawRecord> sheets;
    for (const DrawRecord& quad : D3DEngine::GetRecorder().Filter(DrawKind::Quad)) {
      if (quad.texture.empty() && quad.Width() > 1024.0f) sheets.push_back(quad);
    }
    return sheets;
  }
  static bool Thundering() { return GUI_GetSounds()->IsPlaying(GUI_Lightning::THUNDER); }
};

TEST_F(BackdropTest, TheThunderComesAsTheBoltFadesAndTheSheetFadesEveryFrame) {
  GUI_Lightning* lightning = GUI_GetLightning();
  GUI_GetSounds()->StopSound(GUI_Lightning::THUNDER);
  lightning->PrepareNextStrike();
  lightning->Draw();
  ASSERT_TRUE(lightning->IsStriking());
  // Half-way through its 110 ms the bolt shows at full strength; no thunder, no sheet yet.
  g_backdropNow += 55;
  D3DEngine::GetRecorder().Clear();
  lightning->Draw();
  const std::vector<DrawRecord> quads = D3DEngine::GetRecorder().Filter(DrawKind::Quad);
  ASSERT_EQ(quads.size(), 1u);
  EXPECT_NE(quads[0].texture.find("lightning"), std::string::npos) << quads[0].Describe();
  EXPECT_EQ(quads[0].a(), 255);
  g_backdropNow += 54;  // 109 ms
  lightning->Draw();
  EXPECT_FALSE(Thundering());
  EXPECT_EQ(lightning->GetIntensity(), 0.0f);
  g_backdropNow += 2;  // 111 ms
  lightning->Draw();
  EXPECT_FALSE(lightning->IsStriking());
  EXPECT_TRUE(Thundering());
  EXPECT_EQ(lightning->GetIntensity(), 1.0f);

  // The sheet loses 0.075 a frame at throttle 1 and is never brighter than the frame before.
  D3DEngine::GetRecorder().Clear();
  int frames = 0;
  while (lightning->GetIntensity() > 0.0f && frames < 100) {
    lightning->DrawSheet();
    ++frames;
  }
  EXPECT_EQ(frames, 14);  // 1 / 0.075, rounded up
  const std::vector<DrawRecord> sheets = Sheets();
  ASSERT_EQ((int)sheets.size(), frames);
  EXPECT_EQ(sheets.front().a(), int(255 * (1.0f - 0.075f)));
  for (size_t i = 1; i < sheets.size(); ++i) EXPECT_LE(sheets[i].a(), sheets[i - 1].a()) << i;
  EXPECT_EQ(sheets.back().a(), 0);
  for (const DrawRecord& sheet : sheets) EXPECT_EQ(sheet.colour & 0xFFFFFFu, 0xFFFFFFu);
}

TEST_F(BackdropTest, WithTheBackgroundToggleTheSheetIsHiddenButStillFades) {
  SIM_GetPlayerOptions()->SetToggle(SIM_PlayerOptions::TOGGLE_BACKGROUND, true);
  GUI_Lightning* lightning = GUI_GetLightning();
  lightning->PrepareNextStrike();
  lightning->Draw();
  g_backdropNow += 111;
  lightning->Draw();
  ASSERT_EQ(lightning->GetIntensity(), 1.0f);
  D3DEngine::GetRecorder().Clear();
  lightning->DrawSheet();
  EXPECT_FLOAT_EQ(lightning->GetIntensity(), 0.925f);  // what the sky whitens with
  EXPECT_TRUE(Sheets().empty());
}

TEST_F(BackdropTest, FlyByWaitsItsGapCrossesAndTurnsOnlyWhenTheDirectionChanges) {
  GUI_Helicopter flyBy;
  const float gap = flyBy.GetGap();
  ASSERT_GE(gap, GUI_Helicopter::MIN_GAP_MS);
  ASSERT_LT(gap, GUI_Helicopter::MAX_GAP_MS);
  g_backdropNow += uint32_t(gap) - 1;
  flyBy.Draw();
  EXPECT_FALSE(flyBy.IsFlying());

  // Many crossings: the picture is mirrored exactly when the flight goes left (it faces right).
  for (int flight = 0; flight < 12; ++flight) {
    g_backdropNow += 60000;
    flyBy.Draw();
    ASSERT_TRUE(flyBy.IsFlying()) << flight;
    const CTexturedSprite& sprite = flyBy.GetSprite();
    const bool mirrored = sprite.vertices[0].u > sprite.vertices[1].u;
    EXPECT_EQ(mirrored, !flyBy.IsMovingRight()) << flight;
    const bool helicopter = std::string(sprite.GetTextureName()) == "helicopter.dds";
    EXPECT_FLOAT_EQ(flyBy.GetSpeed(), helicopter ? 0.3f : 0.1f);
    EXPECT_GE(flyBy.GetPosition().y, 100.0f);
    EXPECT_LT(flyBy.GetPosition().y, helicopter ? 320.0f : 170.0f);

    const float startX = flyBy.GetPosition().x;
    EXPECT_EQ(startX, flyBy.IsMovingRight() ? -32.0f : 1024.0f + 32.0f);
    flyBy.Draw();  // throttle 1: one step of the speed
    EXPECT_NEAR(flyBy.GetPosition().x - startX, flyBy.IsMovingRight() ? flyBy.GetSpeed() : -flyBy.GetSpeed(),
                1e-4f);
    // Across the screen and off it; then a new wait.
    int frames = 0;
    while (flyBy.IsFlying() && frames < 20000) {
      flyBy.Draw();
      ++frames;
    }
    ASSERT_FALSE(flyBy.IsFlying()) << flight;
    EXPECT_GE(flyBy.GetGap(), GUI_Helicopter::MIN_GAP_MS);
    EXPECT_LT(flyBy.GetGap(), GUI_Helicopter::MAX_GAP_MS);
  }
}

TEST_F(BackdropTest, ADrinkSwaysTheSkylineInTheNextFrame) {
  SIM_Vede* vede = SIM_GetVede();
  vede->GetNamedValue("alcohol", true)->SetValue(0.0f);
  GUI_Backdrop::Refresh();
  GUI_Backdrop* backdrop = GUI_GetBackdrop();
  backdrop->DrawWeatherBackdrop();
  EXPECT_FALSE(backdrop->IsDrunk());
  // A value changed behind the backdrop's back shows only when it reads again, 31 frames on...
  vede->GetNamedValue("alcohol", true)->SetValue(0.9f);
  for (int i = 0; i < GUI_Backdrop::READ_EVERY - 1; ++i) backdrop->DrawWeatherBackdrop();
  EXPECT_FALSE(backdrop->IsDrunk());
  backdrop->DrawWeatherBackdrop();
  EXPECT_TRUE(backdrop->IsDrunk());
  // ...but a drink applied as an effect shows at once.
  vede->GetNamedValue("alcohol", true)->SetValue(0.0f);
  GUI_Backdrop::Refresh();
  ASSERT_FALSE(backdrop->IsDrunk());
  vede->ApplyEffect("alcohol", 0.8f, 0.0f, "test");
  backdrop->DrawWeatherBackdrop();
  EXPECT_TRUE(backdrop->IsDrunk());
}

}  // namespace
