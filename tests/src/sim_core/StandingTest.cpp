#include <gtest/gtest.h>

#include "SIM_Cheats.h"
#include "SIM_Finances.h"
#include "SIM_GlobalVariable.h"
#include "SIM_Statistics.h"
#include "SIM_Translator.h"
#include "SIM_Vorla.h"
#include "SimCoreTestSupport.h"

namespace {

TEST(Statistics, CountersMaximaAndActivities) {
  SIM_Statistics stats;
  EXPECT_EQ(stats.GetIntCounter("BOOKS_READ"), 0);
  EXPECT_TRUE(stats.GetIntCounters().empty());  // reading creates nothing
  stats.ChangeCounter(-3, "BOOKS_READ");
  stats.ChangeCounter(1.5f, "BOOKS_READ");  // a float counter of the same name is separate
  EXPECT_EQ(stats.GetIntCounter("BOOKS_READ"), -3);
  EXPECT_FLOAT_EQ(stats.GetFloatCounter("BOOKS_READ"), 1.5f);

  stats.CheckHighest(7.0f, "HIGHEST_BANK");
  stats.CheckHighest(5.0f, "HIGHEST_BANK");
  EXPECT_FLOAT_EQ(stats.GetFloatCounter("HIGHEST_BANK"), 7.0f);
  stats.CheckHighest(9.0f, "HIGHEST_BANK");
  EXPECT_FLOAT_EQ(stats.GetFloatCounter("HIGHEST_BANK"), 9.0f);

  EXPECT_EQ(stats.GetFavoriteActivity(), "");
  stats.IncrementActivity("bowling", "Bowling");
  stats.IncrementActivity("cinema", "The Cinema");
  stats.IncrementActivity("cinema", "The Cinema");
  stats.IncrementActivity("bowling", "Bowling");
  EXPECT_EQ(stats.GetActivityCount("cinema"), 2);
  EXPECT_EQ(stats.GetFavoriteActivity(), "Bowling");  // a tie goes to the one chosen first

  stats.Reset();
  stats.SetActivityCount("watchtv", "Television", 4);
  stats.SetActivityCount("snowballfight", "Snowball Fight", 1);
  EXPECT_EQ(stats.GetActivities().size(), 2u);
  EXPECT_EQ(stats.GetActivities()[0].name, "watchtv");
  EXPECT_EQ(stats.GetIntCounter("BOOKS_READ"), 0);
}

TEST(Finances, CashAndRenown) {
  GetDebug()->Initialise();
  SIM_GetGlobalVariables()->Load();
  simtest::ResetPlayerState();
  SIM_GetVede()->LoadAttributes();
  SIM_Statistics* stats = SIM_GetStatistics();
  stats->Reset();

  SIM_Finances* cash = SIM_GetFinances();
  cash->Reset();
  const float start = 0.5f * SIM_GetGlobalVariables()->Get("GV_STARTINGCASH");
  EXPECT_FLOAT_EQ(cash->GetCash(), start);  // half of the shipped GV_STARTINGCASH
  cash->AddCash(100.0f);
  cash->AddCash(-20.0f);
  EXPECT_FLOAT_EQ(cash->GetCash(), start + 80.0f);
  EXPECT_FLOAT_EQ(stats->GetFloatCounter("CASH_EARNED"), 80.0f);
  EXPECT_FLOAT_EQ(stats->GetFloatCounter("HIGHEST_BANK"), start + 100.0f);
  cash->SpendCash(start + 1000.0f);
  EXPECT_FLOAT_EQ(cash->GetCash(), -920.0f);
  EXPECT_FLOAT_EQ(stats->GetFloatCounter("CASH_EARNED"), 80.0f);

  SIM_Vorla* vorla = SIM_GetVorla();
  vorla->AddEarnedVorla(0.2f);
  vorla->AddEarnedVorla(-0.1f);
  EXPECT_NEAR(SIM_GetVede()->GetValue("vorla"), 0.1f, 1e-6f);  // a loss lowers renown...
  SIM_Attribute* renown = SIM_Attribute::GetAttribute("vorla");
  ASSERT_NE(renown, nullptr);
  EXPECT_FLOAT_EQ(renown->GetEffects().front()->GetDegrade(), SIM_GetGlobalVariables()->Get("_VORLA_DEGRADE"));
  EXPECT_FLOAT_EQ(stats->GetFloatCounter("VORLAEARNED"), 0.2f);  // ...but is not counted as earned
  EXPECT_TRUE(vorla->AddUniqueActivity("poetry"));
  EXPECT_FALSE(vorla->AddUniqueActivity("poetry"));
  vorla->Initialise();
  EXPECT_TRUE(vorla->AddUniqueActivity("poetry"));
  simtest::ResetPlayerState();
}

}  // namespace

namespace {

TEST(Cheats, OptionalFileAppliesItsEffects) {
  GetDebug()->Initialise();
  simtest::PlayerFrom("sim_core/attributes.csv");
  SIM_Cheats::Load();  // not shipped: nothing happens
  EXPECT_TRUE(SIM_Attribute::GetAttribute("confidence")->GetEffects().empty());

  std::string path = testsupport::TestRoot() + "/cheats.txt";
  testsupport::WriteFile(path, "Development effects\n#,confidence,0.2\n#,optimism,-0.1\n");
  SIM_Cheats::Load(path.c_str());
  SIM_Effect* effect = SIM_Attribute::GetAttribute("confidence")->GetEffects().back();
  EXPECT_FLOAT_EQ(effect->GetEffect(), 0.2f);
  EXPECT_FLOAT_EQ(effect->GetDegrade(), 1.0f);
  EXPECT_EQ(effect->GetDebugName(), "cheat");
  EXPECT_NEAR(SIM_GetVede()->GetValue("optimism"), 0.4f, 1e-6f);
  simtest::ResetPlayerState();
}

TEST(Translator, PlainUnlessTheFlagIsSet) {
  EXPECT_STREQ(SIM_Translator::GetString("DAY_MONDAY"), "Monday");
  SIM_Translator::BL33t = true;
  EXPECT_STREQ(SIM_Translator::GetString("UNLOCKED_ACTIVITY_TITLE"), "N3w 4ct!v!ty");
  SIM_Translator::BL33t = false;
}

}  // namespace
