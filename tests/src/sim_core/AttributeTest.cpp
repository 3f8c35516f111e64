#include <gtest/gtest.h>

#include "GUI_ChangeNotifier.h"
#include "GUI_Indicator.h"
#include "SimCoreTestSupport.h"

namespace {

class AttributeTest : public ::testing::Test {
 protected:
  void SetUp() override { simtest::ResetPlayerState(); }
  void TearDown() override { simtest::ResetPlayerState(); }

  // A plain attribute at a given value, as the table would make it.
  static SIM_Attribute* Make(const char* name, float base) {
    SIM_Attribute* a = new SIM_Attribute(name, name, base);
    a->CalculateValue();
    return a;
  }
};

TEST_F(AttributeTest, ChangeIsClippedAtTheTopAndShowsWhatWasApplied) {
  SIM_Attribute* a = new SIM_Attribute();
  a->Load("#,happiness,Happiness,,,0.9,0,1,1,1,\"1,2,3\",D,L,H,below,0.25,\n");
  a->CalculateValue();
  a->AddEffect(0.3f, 0.5f, "party");
  ASSERT_EQ(a->GetEffects().size(), 1u);
  EXPECT_NEAR(a->GetEffects().front()->GetEffect(), 0.1f, 1e-6);
  EXPECT_FLOAT_EQ(a->GetValue(), 1.0f);
  EXPECT_TRUE(a->GetNotifier()->IsActive());
  EXPECT_NEAR(a->GetNotifier()->GetAmount(), 10.0f, 1e-4);
}

TEST_F(AttributeTest, PermanentChangesShareOneEffect) {
  SIM_Attribute* a = Make("optimism", 0.5f);
  a->AddEffect(0.1f, 1.0f, "good news");
  a->AddEffect(-0.05f, 1.0f, "bad news");
  ASSERT_EQ(a->GetEffects().size(), 1u);
  EXPECT_FLOAT_EQ(a->GetEffects().front()->GetEffect(), 0.05f);
  EXPECT_FLOAT_EQ(a->GetValue(), 0.55f);
}

TEST_F(AttributeTest, SmallEffectIsDetachedAtNightButLivesUntilNegligible) {
  SIM_Attribute* a = Make("stress", 0.5f);
  a->AddEffect(0.0015f, 0.9f, "noise");
  SIM_Effect* effect = a->GetEffects().front();
  SIM_Effect::ProcessAllEffects();
  EXPECT_FLOAT_EQ(effect->GetEffect(), 0.00135f);
  ASSERT_EQ(SIM_Effect::All.size(), 1u);  // not negligible: ClearDead left it
  SIM_Attribute::NextDayAll();
  EXPECT_TRUE(a->GetEffects().empty());
  a->CalculateValue();
  EXPECT_FLOAT_EQ(a->GetValue(), 0.5f);
  EXPECT_EQ(SIM_Effect::All.size(), 1u);
  // Processed on later nights until it is destroyed.
  for (int i = 0; i < 4; ++i) SIM_Effect::ProcessAllEffects();
  EXPECT_TRUE(SIM_Effect::All.empty());
}

TEST_F(AttributeTest, EffectWithoutDegradeLastsOneNight) {
  SIM_Attribute* a = Make("boredom", 0.3f);
  a->AddEffect(0.2f, 0.0f, "film");
  EXPECT_FLOAT_EQ(a->GetValue(), 0.5f);
  SIM_Effect::ProcessAllEffects();
  EXPECT_TRUE(SIM_Effect::All.empty());
  EXPECT_TRUE(a->GetEffects().empty());
}

TEST_F(AttributeTest, MirrorRefusesChangesAndReadsOneMinusItsMirror) {
  SIM_Attribute* tired = new SIM_Attribute();
  tired->Load("#,tiredness,Tiredness,,,0.3,0,1,0,0,,D,L,H,above,0.8,\n");
  SIM_Attribute* energy = new SIM_Attribute();
  energy->Load("#,_energy,Energy,,tiredness,0.9,1,0,0,1,,D,L,H,,0,\n");
  SIM_Attribute::ResolveLinks();
  ASSERT_EQ(energy->GetMirror(), tired);
  tired->CalculateValue();
  energy->CalculateValue();
  EXPECT_FLOAT_EQ(energy->GetValue(), 0.7f);

  energy->AddEffect(0.2f, 0.5f, "coffee");
  EXPECT_TRUE(energy->GetEffects().empty());
  EXPECT_FLOAT_EQ(energy->GetValue(), 0.7f);

  tired->AddEffect(0.4f, 0.5f, "work");
  energy->CalculateValue();
  EXPECT_FLOAT_EQ(energy->GetValue(), 0.3f);
}

struct WarnCase {
  const char* direction;
  float threshold;
  float value;
  bool warn;
};

TEST_F(AttributeTest, WarnPlayerByDirection) {
  const WarnCase cases[] = {
      {"below", 0.2f, 0.2f, false}, {"below", 0.2f, 0.19f, true}, {"above", 0.8f, 0.8f, false},
      {"above", 0.8f, 0.81f, true}, {"", 0.5f, 0.0f, false},      {"sideways", 0.5f, 1.0f, false},
  };
  for (const WarnCase& c : cases) {
    SIM_Attribute a;
    std::string row = std::string("#,x,X,,,0,0,0,0,1,,D,L,H,") + c.direction + "," +
                      std::to_string(c.threshold) + ",\n";
    a.Load(row.c_str());
    a.SetValue(c.value);
    EXPECT_EQ(a.WarnPlayer(), c.warn) << c.direction << " " << c.threshold << " " << c.value;
  }
}

TEST_F(AttributeTest, RowFieldsAreRead) {
  SIM_Attribute* parent = new SIM_Attribute();
  parent->Load("#,culture,Culture,,,0,0,0,0,1,,D,L,H,,0,\n");
  SIM_Attribute* a = new SIM_Attribute();
  a->Load("#,culture_arts,Arts,stress,,0.25,1,1,1,1,\"10, 20, 30\",DK,LK,HK,above,0.6,culture,0.33\n");
  EXPECT_EQ(a->GetName(), "culture_arts");
  EXPECT_EQ(a->GetGUIName(), "Arts");
  EXPECT_FLOAT_EQ(a->GetBaseValue(), 0.25f);
  EXPECT_TRUE(a->IsHidden());
  EXPECT_TRUE(a->IsAlwaysShown());
  EXPECT_TRUE(a->IsFeeling());
  EXPECT_TRUE(a->IsHighGood());
  SIM_Attribute::GraphColor c = a->GetGraphColor();
  EXPECT_EQ(c.r, 10);
  EXPECT_EQ(c.g, 20);
  EXPECT_EQ(c.b, 30);
  EXPECT_EQ(c.a, 255);
  EXPECT_EQ(a->GetDescription(), "DK");
  EXPECT_EQ(a->GetLowDesc(), "LK");
  EXPECT_EQ(a->GetHighDesc(), "HK");
  EXPECT_EQ(a->GetWarningDirection(), SIM_Attribute::WARN_ABOVE);
  EXPECT_FLOAT_EQ(a->GetWarningThreshold(), 0.6f);
  EXPECT_EQ(a->GetParent(), parent);
  EXPECT_TRUE(a->IsSubcomponent());
  EXPECT_FLOAT_EQ(a->GetParentWeight(), 0.33f);
  ASSERT_NE(a->GetIndicator(), nullptr);
  EXPECT_EQ(GUI_Indicator::Get(a), a->GetIndicator());
  // No colour keeps the default grey.
  EXPECT_EQ(parent->GetGraphColor().r, 12);
  EXPECT_EQ(parent->GetGraphColor().a, 255);
}

TEST_F(AttributeTest, UnknownParentIsReportedAndLeftEmpty) {
  GetDebug()->Initialise();
  SIM_Attribute* a = new SIM_Attribute();
  a->Load("#,iq_logic,Logic,,,0,0,0,0,1,,D,L,H,,0,iq,0.5\n", "attributes.csv:7");
  EXPECT_EQ(a->GetParent(), nullptr);
  EXPECT_FLOAT_EQ(a->GetParentWeight(), 0.5f);
  EXPECT_EQ(simtest::CountLogLines("Error finding parent attribute \"iq\" of \"iq_logic\" in attributes.csv:7"), 1);
}

TEST_F(AttributeTest, OppositeShowsTheNegatedChange) {
  SIM_Vede* vede = simtest::PlayerFrom("sim_core/attributes.csv");
  SIM_Attribute* relaxation = SIM_Attribute::GetAttribute("relaxation");
  ASSERT_EQ(SIM_Attribute::GetAttribute("stress")->GetOpposite(), relaxation);
  vede->ApplyEffect("stress", 0.2f, 0.5f, "work");
  EXPECT_FLOAT_EQ(relaxation->GetNotifier()->GetAmount(), -20.0f);
  EXPECT_TRUE(relaxation->WasRecentlyChanged());
  EXPECT_FLOAT_EQ(vede->GetValue("relaxation"), 0.3f);
}

TEST_F(AttributeTest, SubAttributeShowsItsChangeOnTheParentOnly) {
  SIM_Vede* vede = simtest::PlayerFrom("sim_core/attributes.csv");
  GUI_ChangeNotifier::CloseAll();
  SIM_Attribute* iq = SIM_Attribute::GetAttribute("iq");
  SIM_Attribute* logic = SIM_Attribute::GetAttribute("iq_logic");
  vede->ApplyEffect("iq_logic", 0.1f, 1.0f, "class");
  EXPECT_TRUE(iq->GetNotifier()->IsActive());
  EXPECT_FLOAT_EQ(iq->GetNotifier()->GetAmount(), 10.0f);
  EXPECT_FALSE(logic->GetNotifier()->IsActive());
  EXPECT_TRUE(iq->WasRecentlyChanged());
  EXPECT_FALSE(logic->WasRecentlyChanged());
  // The parent's value is the mean of its parts: (0.25 x 3 + 0.35) / 4.
  EXPECT_FLOAT_EQ(vede->GetValue("iq"), 0.275f);
}

// Reclaiming a game must leave no effect pointing into a destroyed attribute's list, including
// effects the night has already detached.
TEST_F(AttributeTest, ClearDestroysAttachedAndDetachedEffects) {
  SIM_Attribute* a = Make("stress", 0.5f);
  a->AddEffect(0.0015f, 0.9f, "noise");  // detached tonight, alive for a few more nights
  a->AddEffect(0.2f, 0.9f, "work");
  SIM_Effect::ProcessAllEffects();
  SIM_Attribute::NextDayAll();
  ASSERT_EQ(a->GetEffects().size(), 1u);
  ASSERT_EQ(SIM_Effect::All.size(), 2u);
  SIM_Attribute::Clear();
  EXPECT_TRUE(SIM_Attribute::All.empty());
  EXPECT_TRUE(SIM_Effect::All.empty());
  SIM_Effect::ProcessAllEffects();  // nothing left to touch freed memory
}

TEST_F(AttributeTest, NewGameReplacesThePreviousPlayersAttributes) {
  SIM_Vede* vede = simtest::PlayerFrom("sim_core/attributes.csv");
  vede->ApplyEffect("stress", 0.0015f, 0.9f, "noise");
  SIM_Effect::ProcessAllEffects();
  SIM_Attribute::NextDayAll();
  vede->ApplyEffect("juggling", 0.2f, 0.0f, "circus");
  size_t rows = vede->GetAttributes().Count();
  vede->LoadAttributes(testsupport::FixturePath("sim_core/attributes.csv").c_str());
  EXPECT_EQ(vede->GetAttributes().Count(), rows);
  EXPECT_EQ(SIM_Attribute::All.size(), rows);
  EXPECT_TRUE(SIM_Effect::All.empty());
  EXPECT_EQ(vede->CountSkills(), 0);
  EXPECT_TRUE(SIM_Skill::All.empty());
  EXPECT_FLOAT_EQ(vede->GetValue("juggling"), 0.0f);
}

}  // namespace
