// A week of daily effects and thirty nights, run headless through the player's own entry points.
// The expected numbers were worked out by hand from the rules: an effect is multiplied by its
// degrade each night, leaves its attribute's list below 0.002 and is destroyed below 0.001, and
// each night's history sample is the value the attribute last showed.
#include <gtest/gtest.h>

#include <cmath>

#include "SimCoreTestSupport.h"

namespace {

void Night(SIM_Vede* vede) {
  SIM_Effect::ProcessAllEffects();
  SIM_Attribute::NextDayAll();
  vede->RecalcAttributes();
}

TEST(WeekOfEffects, HistoriesValuesAndLiveEffects) {
  SIM_Vede* vede = simtest::PlayerFrom("sim_core/week_attributes.csv");
  for (int day = 1; day <= 30; ++day) {
    if (day <= 7) vede->ApplyEffect("fitness", 0.1f, 0.5f, "gym");
    if (day == 1) vede->ApplyEffect("weight", 0.05f, 0.9f, "cake");
    if (day == 3) vede->ApplyEffect("optimism", 0.2f, 1.0f, "good news");
    if (day == 5) vede->ApplyEffect("optimism", -0.05f, 1.0f, "bad news");
    Night(vede);
    if (day == 7) {
      // fitness: the five latest gym sessions (0.05 down to 0.003125) still count; day 2's has
      // been detached (0.0015625) but lives on; day 1's fell below 0.001 and is gone.
      EXPECT_EQ(SIM_Attribute::GetAttribute("fitness")->GetEffects().size(), 5u);
      EXPECT_EQ(SIM_Effect::All.size(), 8u);
      EXPECT_NEAR(vede->GetValue("fitness"), 0.296875f, 1e-6);
    }
  }

  const std::vector<float>& fitness = SIM_Attribute::GetAttribute("fitness")->GetHistory();
  const std::vector<float>& optimism = SIM_Attribute::GetAttribute("optimism")->GetHistory();
  const std::vector<float>& weight = SIM_Attribute::GetAttribute("weight")->GetHistory();
  ASSERT_EQ(fitness.size(), 30u);
  ASSERT_EQ(optimism.size(), 30u);
  ASSERT_EQ(weight.size(), 30u);

  // Base 0.2 plus the gym sessions still counted on the evening of each day.
  const float fitnessByNight[] = {0.3f,      0.35f,     0.375f,    0.3875f, 0.39375f, 0.396875f,
                                  0.396875f, 0.296875f, 0.246875f, 0.221875f, 0.209375f, 0.203125f};
  for (size_t i = 0; i < std::size(fitnessByNight); ++i) {
    EXPECT_NEAR(fitness[i], fitnessByNight[i], 1e-6) << "night " << i + 1;
  }
  for (size_t i = std::size(fitnessByNight); i < 30; ++i) EXPECT_NEAR(fitness[i], 0.2f, 1e-6);

  // Base 0.3; +0.2 for good on day 3, -0.05 for good on day 5: one permanent effect of 0.15.
  const float optimismByNight[] = {0.3f, 0.3f, 0.5f, 0.5f, 0.45f};
  for (size_t i = 0; i < 30; ++i) {
    float expected = optimismByNight[std::min<size_t>(i, 4)];
    EXPECT_NEAR(optimism[i], expected, 1e-6) << "night " << i + 1;
  }

  // Base 0.5 and one slice of cake fading by 0.9 a night: 0.5 + 0.05 x 0.9^(n-1).
  for (size_t i = 0; i < 30; ++i) {
    EXPECT_NEAR(weight[i], 0.5f + 0.05f * std::pow(0.9f, (float)i), 1e-5) << "night " << i + 1;
  }

  EXPECT_NEAR(vede->GetValue("fitness"), 0.2f, 1e-6);
  EXPECT_NEAR(vede->GetValue("optimism"), 0.45f, 1e-6);
  EXPECT_NEAR(vede->GetValue("weight"), 0.5f + 0.05f * std::pow(0.9f, 30.0f), 1e-5);
  // Left alive: the permanent optimism and the cake (0.05 x 0.9^30 = 0.0021, still counted).
  EXPECT_EQ(SIM_Effect::All.size(), 2u);
  EXPECT_EQ(SIM_Attribute::GetAttribute("fitness")->GetEffects().size(), 0u);
  EXPECT_EQ(SIM_Attribute::GetAttribute("optimism")->GetEffects().size(), 1u);
  EXPECT_EQ(SIM_Attribute::GetAttribute("weight")->GetEffects().size(), 1u);
}

}  // namespace
