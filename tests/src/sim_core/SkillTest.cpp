#include <gtest/gtest.h>

#include "SimCoreTestSupport.h"

namespace {

class SkillTest : public ::testing::Test {
 protected:
  void SetUp() override {
    simtest::ResetPlayerState();
    SIM_SkillConfig::Open(testsupport::FixturePath("sim_core/skills.csv").c_str());
  }
  void TearDown() override { simtest::ResetPlayerState(); }
};

TEST_F(SkillTest, NightlyRateFromTheTable) {
  SIM_Skill* juggling = new SIM_Skill("juggling");  // listed twice: the first row counts
  SIM_Skill* knitting = new SIM_Skill("knitting");
  SIM_Skill* yodelling = new SIM_Skill("yodelling");  // not listed: never fades
  EXPECT_FLOAT_EQ(juggling->GetDegradeRate(), 0.95f);
  juggling->SetValue(0.5f);
  knitting->SetValue(0.5f);
  yodelling->SetValue(0.5f);
  SIM_Skill::NextDayAll();
  EXPECT_FLOAT_EQ(juggling->GetValue(), 0.475f);
  EXPECT_FLOAT_EQ(knitting->GetValue(), 0.4f);
  for (int i = 0; i < 10; ++i) SIM_Skill::NextDayAll();
  EXPECT_FLOAT_EQ(yodelling->GetValue(), 0.5f);
}

TEST_F(SkillTest, ClearLeavesNoSkillOfTheEarlierGame) {
  SIM_Vede* vede = simtest::PlayerFrom("sim_core/attributes.csv");
  SIM_SkillConfig::Open(testsupport::FixturePath("sim_core/skills.csv").c_str());
  vede->ApplyEffect("juggling", 0.3f, 0.0f, "circus");
  ASSERT_EQ(SIM_Skill::All.size(), 1u);
  ASSERT_EQ(vede->CountSkills(), 1);
  SIM_Skill::Clear();
  EXPECT_TRUE(SIM_Skill::All.empty());
  EXPECT_EQ(vede->CountSkills(), 0);  // the player's list does not keep a dangling entry
}

TEST_F(SkillTest, MissingTableIsReportedOnceAndSkillsDoNotFade) {
  GetDebug()->Initialise();
  SIM_SkillConfig::Close();
  SIM_SkillConfig::Open("data/simulation/no_such_skills.csv");
  EXPECT_FLOAT_EQ(SIM_SkillConfig::GetDegradeRate("juggling"), 1.0f);
  EXPECT_FLOAT_EQ(SIM_SkillConfig::GetDegradeRate("knitting"), 1.0f);
  EXPECT_EQ(simtest::CountLogLines("Missing skills config"), 1);
}

}  // namespace
