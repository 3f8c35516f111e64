#include <gtest/gtest.h>

#include "SIM_GlobalVariable.h"
#include "SIM_Modifier.h"
#include "SimCoreTestSupport.h"

namespace {

class ModifierTest : public ::testing::Test {
 protected:
  void SetUp() override {
    SIM_GetGlobalVariables()->Load(testsupport::FixturePath("sim_core/config.txt").c_str());
    simtest::ResetPlayerState();
  }
};

struct ParseCase {
  const char* text;
  bool added;
  const char* name;
  float value;
  const char* degrade;
};

TEST_F(ModifierTest, ParsesNameValueAndOptionalDegrade) {
  const ParseCase cases[] = {
      {"happiness,0.1", true, "happiness", 0.1f, ""},
      {"stress,-0.2,0.8", true, "stress", -0.2f, "0.8"},
      {"stress,-0.2,_TEST_DEGRADE", true, "stress", -0.2f, "_TEST_DEGRADE"},
      {"boredom,_TEST_AMOUNT", true, "boredom", 0.25f, ""},
      {"_energy,0.3", true, "_energy", 0.3f, ""},
      {"culture,plenty", true, "culture", 0.0f, ""},
      {"x", false, "", 0.0f, ""},
      {"", false, "", 0.0f, ""},
      {"-stress,0.1", false, "", 0.0f, ""},
      {" stress,0.1", false, "", 0.0f, ""},
  };
  for (const ParseCase& c : cases) {
    SIM_ModifierContainer container;
    container.SetSource("testsource");
    container.AddModifier(c.text);
    ASSERT_EQ(container.GetModifiers().size(), c.added ? 1u : 0u) << c.text;
    if (!c.added) continue;
    const SIM_Modifier* m = container.GetModifiers()[0];
    EXPECT_EQ(m->GetName(), c.name) << c.text;
    EXPECT_FLOAT_EQ(m->GetValue(), c.value) << c.text;
    EXPECT_EQ(m->GetDegrade(), c.degrade) << c.text;
    EXPECT_EQ(m->GetSource(), "testsource");
  }
}

TEST_F(ModifierTest, DegradeTextIsANumberOrATuningKey) {
  SIM_Modifier m;
  EXPECT_FLOAT_EQ(m.GetDegradeValue(), 0.0f);  // no degrade: lasts until the night
  m.SetDegrade("0.9");
  EXPECT_FLOAT_EQ(m.GetDegradeValue(), 0.9f);
  m.SetDegrade("_TEST_DEGRADE");
  EXPECT_FLOAT_EQ(m.GetDegradeValue(), 0.5f);
}

TEST_F(ModifierTest, AbsentGlobalIsCreatedWithTheScaledValue) {
  SIM_ModifierContainer container;
  container.AddModifier("glob_party,1");
  container.ApplyModifiers(0.5f);
  EXPECT_FLOAT_EQ(SIM_NamedValueList::Globals.GetValue("glob_party"), 0.5f);
  container.ApplyModifiers(0.5f);
  EXPECT_FLOAT_EQ(SIM_NamedValueList::Globals.GetValue("glob_party"), 1.0f);
}

TEST_F(ModifierTest, PlayerModifierBecomesAnEffectWithItsDegrade) {
  SIM_Vede* vede = simtest::PlayerFrom("sim_core/attributes.csv");
  SIM_ModifierContainer container;
  container.SetSource("pub");
  container.AddModifier("fitness,0.2,_TEST_DEGRADE");
  container.ApplyModifiers(0.5f);
  SIM_Attribute* fitness = SIM_Attribute::GetAttribute("fitness");
  ASSERT_EQ(fitness->GetEffects().size(), 1u);
  const SIM_Effect* effect = fitness->GetEffects().front();
  EXPECT_FLOAT_EQ(effect->GetEffect(), 0.1f);
  EXPECT_FLOAT_EQ(effect->GetDegrade(), 0.5f);
  EXPECT_EQ(effect->GetDebugName(), "pub");
  EXPECT_FLOAT_EQ(vede->GetValue("fitness"), 0.6f);
}

TEST_F(ModifierTest, MissingModifierValueIsZero) {
  GetDebug()->Initialise();
  SIM_ModifierContainer container;
  container.SetSource("gym");
  container.AddModifier("fitness,0.3");
  EXPECT_FLOAT_EQ(container.GetModifierValue("fitness"), 0.3f);
  EXPECT_FLOAT_EQ(container.GetModifierValue("Fitness"), 0.0f);
  EXPECT_FLOAT_EQ(container.GetModifierValue("Fitness"), 0.0f);
  EXPECT_EQ(simtest::CountLogLines("Failed to get modifier value: Fitness"), 1);
}

}  // namespace
