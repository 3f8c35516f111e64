// The "+N"/"-N" change markers: what a change shows, how the marker fades in and when it goes,
// drawn through the mind-state panel on the recording renderer.
#include "GUI_ChangeNotifier.h"
#include "GUI_Indicator.h"
#include "GUI_MindState.h"
#include "HudTestSupport.h"
#include "SIM_Attribute.h"

using namespace guitest;
using namespace hudtest;

namespace {
const char* const kGreen = "indicator_change_green.png";
const char* const kRed = "indicator_change_red.png";

void DrawPanel() {
  D3DEngine::GetRecorder().Clear();
  GUI_GetMindState()->Draw();
}
}  // namespace

TEST_F(GuiTest, HappinessRiseShowsGreenPlusTenFadingInUntilCloseAll) {
  SIM_Vede* vede = PlayerWithGameAttributes();
  GUI_GetMindState()->Initialise();
  vede->ApplyEffect("happiness", 0.1f, 0.9f, "good news");

  SIM_Attribute* happiness = SIM_Attribute::GetAttribute("happiness");
  GUI_Indicator* row = GUI_GetMindState()->GetIndicator("happiness");
  ASSERT_NE(row, nullptr);
  GUI_ChangeNotifier* marker = happiness->GetNotifier();
  ASSERT_TRUE(marker->IsActive());
  EXPECT_STREQ(marker->GetText(), "+10");
  EXPECT_TRUE(marker->IsGreen());

  // The fade-in: transparent at once, half way at 250 ms, solid after 500 ms and from then on.
  const int expectedAlpha[] = {0, 127, 255, 255};
  const uint32_t steps[] = {0, 250, 300, 5000};
  for (int i = 0; i < 4; ++i) {
    g_now += steps[i];
    DrawPanel();
    std::vector<DrawRecord> sprites = QuadsOf(kGreen);
    ASSERT_EQ(sprites.size(), 1u) << "step " << i;
    EXPECT_EQ(sprites[0].a(), expectedAlpha[i]) << "step " << i;
    EXPECT_TRUE(QuadsOf(kRed).empty());
    std::vector<DrawRecord> numbers = TextsOf("+10");
    ASSERT_EQ(numbers.size(), 1u) << "step " << i;
    EXPECT_EQ(numbers[0].a(), expectedAlpha[i]) << "step " << i;
    EXPECT_EQ(numbers[0].r(), 255);
    // The 34-pixel badge sits just left of its row, on the row's vertical centre.
    EXPECT_FLOAT_EQ(sprites[0].Width(), 34.0f);
    EXPECT_NEAR((sprites[0].left + sprites[0].right) / 2.0f, (float)row->GetRect()->left - 22.0f, 1.0f);
    EXPECT_NEAR((sprites[0].top + sprites[0].bottom) / 2.0f, row->GetCenterY(), 1.0f);
  }

  GUI_ChangeNotifier::CloseAll();
  DrawPanel();
  EXPECT_FALSE(marker->IsActive());
  EXPECT_TRUE(QuadsOf(kGreen).empty());
  EXPECT_TRUE(TextsOf("+10").empty());
}

// Each case starts from an inactive marker and applies the changes in order.
TEST(ChangeNotifier, WhatAChangeShows) {
  struct Case {
    const char* what;
    std::vector<float> deltas;
    bool highIsGood;
    bool active;
    const char* text;
    bool green;
  };
  const Case cases[] = {
      {"a small rise still shows one point", {0.004f}, true, true, "+1", true},
      {"a small fall still shows one point", {-0.004f}, true, true, "-1", false},
      {"float error does not cost a point", {0.29f}, true, true, "+29", true},
      {"a fall of something bad is good news", {-0.1f}, false, true, "-10", true},
      {"a rise of something bad is bad news", {0.1f}, false, true, "+10", false},
      {"changes add up while the marker shows", {0.25f, 0.25f}, true, true, "+50", true},
      {"the total decides the sign", {0.3f, -0.296f}, true, true, "+1", true},
      {"no change shows nothing", {0.0f}, true, false, "", true},
      {"a crumb left by clipping shows nothing", {-2.4e-8f}, true, false, "", true},
      {"changes that cancel out put the marker away", {0.1f, -0.1f}, true, false, "", true},
  };
  for (const Case& c : cases) {
    GUI_ChangeNotifier marker;
    for (float delta : c.deltas) marker.Initialise(delta, 100.0f, 200.0f, c.highIsGood);
    EXPECT_EQ(marker.IsActive(), c.active) << c.what;
    if (!c.active) continue;
    EXPECT_STREQ(marker.GetText(), c.text) << c.what;
    EXPECT_EQ(marker.IsGreen(), c.green) << c.what;
    EXPECT_EQ(marker.GetRect().left, 55) << c.what;
    EXPECT_EQ(marker.GetRect().top, 188) << c.what;
  }
}

TEST_F(GuiTest, ZeroChangeKeepsAShowingMarkerAndItsFade) {
  GUI_ChangeNotifier marker;
  marker.Initialise(0.2f, 100.0f, 100.0f, true);
  g_now += 300;
  marker.Draw();
  const int before = marker.GetAlpha();
  marker.Initialise(0.0f, 100.0f, 100.0f, true);
  marker.Draw();
  EXPECT_STREQ(marker.GetText(), "+20");
  EXPECT_EQ(marker.GetAlpha(), before);  // the fade did not start again
  GUI_ChangeNotifier::GreenSpriteList.Draw();

  // A real change does restart it.
  marker.Initialise(0.05f, 100.0f, 100.0f, true);
  marker.Draw();
  EXPECT_STREQ(marker.GetText(), "+25");
  EXPECT_EQ(marker.GetAlpha(), 0);
  GUI_ChangeNotifier::GreenSpriteList.Draw();
}

// A change clipped at the top or bottom of 0..1 shows what got through, and one clipped away
// entirely shows nothing.
TEST_F(GuiTest, ClippedChangeShowsWhatWasApplied) {
  SIM_Attribute* high = AddSimple("optimism", 0.95f, true);
  SIM_Attribute* full = AddSimple("fitness", 1.0f, true);
  SIM_Attribute* low = AddSimple("boredom", 0.03f, true, false);
  GUI_GetMindState()->Initialise();

  high->AddEffect(0.1f, 0.9f, "sunshine");
  EXPECT_STREQ(high->GetNotifier()->GetText(), "+5");
  full->AddEffect(0.1f, 0.9f, "gym");
  EXPECT_FALSE(full->GetNotifier()->IsActive());
  low->AddEffect(-0.2f, 0.9f, "film");
  EXPECT_STREQ(low->GetNotifier()->GetText(), "-3");
  EXPECT_TRUE(low->GetNotifier()->IsGreen());
}
