#include <gtest/gtest.h>

#include "GUI_Avatar.h"
#include "SIM_JobBase.h"
#include "SIM_JobInstance.h"
#include "SIM_Statistics.h"
#include "SimCoreTestSupport.h"

namespace {

class VedeTest : public ::testing::Test {
 protected:
  void SetUp() override { vede = simtest::PlayerFrom("sim_core/attributes.csv"); }
  void TearDown() override { simtest::ResetPlayerState(); }
  SIM_Vede* vede = nullptr;
};

TEST_F(VedeTest, TirednessGainIsEasedByFitness) {
  // fitness 0.5: +0.1 becomes 0.1 x (1 - 0.4) = 0.06; a fall is not adjusted.
  EXPECT_FLOAT_EQ(vede->GetAdjustedEffect("tiredness", 0.1f), 0.06f);
  EXPECT_FLOAT_EQ(vede->GetAdjustedEffect("tiredness", -0.1f), -0.1f);
  EXPECT_FLOAT_EQ(vede->GetAdjustedEffect("stress", 0.1f), 0.1f);
  vede->ApplyEffect("tiredness", 0.1f, 0.5f, "work");
  EXPECT_FLOAT_EQ(vede->GetValue("tiredness"), 0.26f);
}

TEST_F(VedeTest, DrinkLiftsConfidenceAndEasesStress) {
  vede->ApplyEffect("alcohol", 0.5f, 0.5f, "pub");
  EXPECT_FLOAT_EQ(vede->GetValue("alcohol"), 0.5f);
  EXPECT_FLOAT_EQ(vede->GetValue("confidence"), 0.1875f + 0.2f);
  EXPECT_FLOAT_EQ(vede->GetValue("stress"), 0.3f);
  const SIM_Effect* confidence = SIM_Attribute::GetAttribute("confidence")->GetEffects().front();
  EXPECT_FLOAT_EQ(confidence->GetDegrade(), 0.5f);
  EXPECT_EQ(confidence->GetDebugName(), "pub");
}

TEST_F(VedeTest, IncomeIsTheSalaryUnlessSomethingIsNamedSo) {
  SIM_JobBase* job = SIM_JobBase::ChooseRandom();
  ASSERT_NE(job, nullptr);
  vede->SetJob(job);
  ASSERT_NE(vede->GetJobInstance(), nullptr);
  float salary = vede->GetJobInstance()->GetCurrentSalary();
  EXPECT_FLOAT_EQ(vede->GetValue("income"), salary);
  EXPECT_FLOAT_EQ(SIM_NamedValueList::Globals.GetValue(job->GetIndustryName()), 1.0f);
  SIM_NamedValueList::ForceGlobal("income", 0.25f);
  EXPECT_FLOAT_EQ(vede->GetValue("income"), 0.25f);
  EXPECT_FLOAT_EQ(vede->GetValue("nothing_by_this_name"), 0.0f);
}

struct LonelinessCase {
  float calculated;
  int friends;
  float expected;
};

TEST(VedeFormula, LonelinessHasAFloorWithFewFriends) {
  const LonelinessCase cases[] = {
      {0.1f, 2, 0.5f}, {0.1f, 3, 0.25f}, {0.1f, 4, 0.1f}, {0.0f, 0, 0.5f},
      {0.6f, 2, 0.6f}, {0.3f, 3, 0.3f},  {1.2f, 9, 1.0f},
  };
  for (const LonelinessCase& c : cases) {
    EXPECT_FLOAT_EQ(SIM_Vede::LonelinessFor(c.calculated, c.friends), c.expected)
        << c.calculated << " with " << c.friends << " friends";
  }
}

struct HappinessCase {
  float base, optimism, stress, loneliness, boredom, expected;
};

TEST(VedeFormula, HappinessIsPulledByTheOtherFeelings) {
  const HappinessCase cases[] = {
      {0.5f, 0.5f, 0.5f, 0.5f, 0.5f, 0.5f},
      {0.5f, 0.5f, 1.0f, 0.5f, 0.5f, 0.375f},
      {0.5f, 1.0f, 0.5f, 0.5f, 0.5f, 0.6f},
      {0.5f, 0.5f, 0.5f, 1.0f, 1.0f, 0.25f},
      {0.5f, 0.0f, 0.0f, 0.0f, 0.0f, 0.775f},
      {0.1f, 0.0f, 1.0f, 1.0f, 1.0f, 0.0f},
      {0.9f, 1.0f, 0.0f, 0.0f, 0.0f, 1.0f},
  };
  for (const HappinessCase& c : cases) {
    EXPECT_FLOAT_EQ(SIM_Vede::HappinessFor(c.base, c.optimism, c.stress, c.loneliness, c.boredom),
                    c.expected);
  }
}

TEST_F(VedeTest, DerivedValuesAfterARecalculation) {
  SIM_GetStatistics()->Reset();
  vede->RecalcAttributes();
  // Nobody is a friend yet, so loneliness reads at least 0.5 (base 0.1 in the table).
  EXPECT_FLOAT_EQ(vede->GetValue("loneliness"), 0.5f);
  // Happiness base from the new-game setting (0.25 + 0.25 x 0.5), the rest at 0.5.
  EXPECT_FLOAT_EQ(vede->GetValue("happiness"), 0.375f);
  EXPECT_EQ(GUI_GetAvatar()->GetMood(), MOOD_NEUTRAL);
  vede->ApplyEffect("stress", 0.5f, 1.0f, "exams");
  EXPECT_FLOAT_EQ(vede->GetValue("happiness"), 0.25f);
  vede->ApplyEffect("stress", -0.1f, 1.0f, "rest");
  vede->ApplyEffect("happiness", -0.2f, 1.0f, "rain");
  EXPECT_EQ(GUI_GetAvatar()->GetMood(), MOOD_SAD);
  EXPECT_FLOAT_EQ(vede->GetValue("iq"), 0.25f);
  EXPECT_FLOAT_EQ(vede->GetValue("culture"), 0.25f);
  EXPECT_FLOAT_EQ(SIM_GetStatistics()->GetFloatCounter("HIGHEST_IQ"), 0.25f);
}

TEST_F(VedeTest, ConcentrationFromTirednessStressAndDrink) {
  SIM_Attribute::GetAttribute("tiredness")->SetBaseValue(0.5f);
  vede->ApplyEffect("alcohol", 0.5f, 0.5f, "pub");  // also takes 0.2 off stress
  vede->ApplyEffect("stress", 0.2f, 0.5f, "work");  // back to 0.5
  EXPECT_FLOAT_EQ(vede->GetConcentration(), 0.5f);
  EXPECT_FLOAT_EQ(vede->GetConcentrationTiredness(), 0.125f);
  EXPECT_FLOAT_EQ(vede->GetConcentrationStress(), 0.125f);
  EXPECT_FLOAT_EQ(vede->GetConcentrationAlcohol(), 0.25f);
}

TEST_F(VedeTest, UnknownNameBecomesASkillAtTheFront) {
  vede->ApplyEffect("juggling", 0.3f, 0.5f, "circus");
  vede->ApplyEffect("knitting", 1.5f, 0.5f, "granny");
  SIM_NamedValueList& skills = vede->GetSkills();
  ASSERT_EQ(skills.Count(), 2u);
  EXPECT_EQ(skills.GetRawList().front()->GetName(), "knitting");
  EXPECT_FLOAT_EQ(vede->GetValue("knitting"), 1.0f);  // clamped
  vede->ApplyEffect("juggling", 0.3f, 0.5f, "circus");
  EXPECT_FLOAT_EQ(vede->GetValue("juggling"), 0.6f);
  EXPECT_EQ(vede->CountSkills(), 2);
  EXPECT_FLOAT_EQ(vede->CountSkillPoints(), 160.0f);
  EXPECT_EQ(vede->GetAccomplishment(), 1);
  // A "glob_" name goes to the game-wide list instead.
  vede->ApplyEffect("glob_outdoors", 1.0f, 0.0f, "walk");
  EXPECT_EQ(vede->CountSkills(), 2);
  EXPECT_FLOAT_EQ(SIM_NamedValueList::Globals.GetValue("glob_outdoors"), 1.0f);
}

TEST_F(VedeTest, GenderFromTheAvatarTexture) {
  vede->GetGenderFromTexture("m_hair1.dds");
  EXPECT_EQ(vede->GetGender(), SIM_MALE);
  vede->GetGenderFromTexture("f_hair1.dds");
  EXPECT_EQ(vede->GetGender(), SIM_FEMALE);
  vede->GetGenderFromTexture("x.dds");
  EXPECT_EQ(vede->GetGender(), SIM_FEMALE);
}

TEST_F(VedeTest, NewGameStartsWithTheShippedTables) {
  SIM_Attribute::Clear();
  vede->Initialise();
  EXPECT_EQ(vede->GetAge(), 20);
  EXPECT_NE(vede->GetJobInstance(), nullptr);
  EXPECT_EQ(vede->GetJobInstance()->GetDaysInJob(), 2);
  float miles = vede->GetJob()->GetCommuteDistance();
  EXPECT_GE(miles, 0.1f);
  EXPECT_LE(miles, 3.0f);
  EXPECT_EQ(SIM_NamedValueList::GetList("attributes"), &vede->GetAttributes());
  for (const char* name : {"happiness", "stress", "relaxation", "tiredness", "_energy", "germs",
                           "iq_logic", "culture_arts", "vorla", "_cleanliness"}) {
    EXPECT_NE(SIM_Attribute::GetAttribute(name), nullptr) << name;
  }
  EXPECT_FLOAT_EQ(vede->GetValue("_energy"), 1.0f - vede->GetValue("tiredness"));
  EXPECT_FLOAT_EQ(vede->GetValue("relaxation"), 1.0f - vede->GetValue("stress"));
}

}  // namespace
