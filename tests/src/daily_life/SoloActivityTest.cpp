// Solo activities: the table read into types (and its broken rows), what an evening alone does in
// its order (script, price, effects, the slot, boredom, statistics), the chance of meeting somebody
// new, the unlocks and their place in the save. Each runs in a real new game.
#include <gtest/gtest.h>

#include <string>

#include "GDebug.h"
#include "HeadlessPlayer.h"
#include "SIM_Attribute.h"
#include "SIM_Boredom.h"
#include "SIM_Finances.h"
#include "SIM_LoadGame.h"
#include "SIM_NamedValue.h"
#include "SIM_SIM.h"
#include "SIM_SaveGame.h"
#include "SIM_SoloActivityInstance.h"
#include "SIM_SoloActivityType.h"
#include "SIM_Statistics.h"
#include "SIM_TimeChunkType.h"
#include "SIM_Vede.h"
#include "TestSupport.h"

namespace {

// A row of the table: instance kind, name, then unlock points, script, details key, new-friend
// chance, ignore-effects flag and cost, every day and month, and what follows the unused column.
std::string SoloRow(const std::string& name, const std::string& cost, const std::string& tail,
                    const std::string& script = "", int ignore = 0, float unlock = 0.0f) {
  return "#,," + name + ",GUI " + name + ",About <TOWNNAME>,noun," + std::to_string(unlock) + ",\"" + script + "\"" +
         ",0,default,0," + std::to_string(ignore) + "," + cost + ",-1,-1,1,1,1,1,1,1,1,," + tail + "\n";
}

class SoloGame : public ::testing::Test {
 protected:
  void SetUp() override {
    HeadlessPlayer::StartNewGame(4);
    SIM_GetSim()->SetMode(SIM_SIM::TURNMODE_EVENING);
    SIM_GetSim()->SetSlots(1, 0);
  }
  static void Load(const std::string& rows) {
    SIM_SoloActivityType::Close();
    SIM_SoloActivityType::LoadTypesFromText("header\n" + rows, "fixture.csv");
  }
  static std::string Log() { return testsupport::ReadFile(GetDebug()->GetPath()); }
};

TEST_F(SoloGame, ARowReadsIntoEveryColumn) {
  Load("#,TVINSTANCE,telly,Telly,Watch <TOWNNAME> news,viewer,2.5,Call(walkpark),1,story,0.3,1,12.5,3,5,1,0,1,0,1,0,1,skip,"
       "\"happiness,0.1,0.5\",\"stress,-0.2,0.6\",#,\"_energy,0.3\",\"fitness,0.2\"\n");
  ASSERT_EQ(SIM_SoloActivityType::All.size(), 1u);
  SIM_SoloActivityType* type = SIM_SoloActivityType::All.front();
  EXPECT_EQ(type->GetInstanceKind(), "TVINSTANCE");
  EXPECT_EQ(type->GetName(), "telly");
  EXPECT_EQ(type->GetGUIName(), "Telly");
  EXPECT_EQ(type->GetDescription().find("<TOWNNAME>"), std::string::npos);
  EXPECT_EQ(type->GetDescriptionNoun(), "viewer");
  EXPECT_FLOAT_EQ(type->GetUnlockThreshold(), 2.5f);
  EXPECT_TRUE(type->IsLocked());
  EXPECT_EQ(type->GetScript(), "Call(walkpark)");
  EXPECT_TRUE(type->GetVariableEffects());
  EXPECT_EQ(type->GetDetailsKey(), "story");
  EXPECT_FLOAT_EQ(type->GetNewFriendChance(), 0.3f);
  EXPECT_TRUE(type->GetIgnoreModifiers());
  EXPECT_FLOAT_EQ(type->GetCost(), 12.5f);
  EXPECT_EQ(type->GetStartMonth(), 3);
  EXPECT_EQ(type->GetEndMonth(), 5);
  for (int day = 0; day < 7; ++day) EXPECT_EQ(type->GetDayAvailable(day), day % 2 == 0) << day;
  ASSERT_EQ(type->GetModifiers().size(), 2u);
  EXPECT_EQ(type->GetModifiers()[1]->GetName(), "stress");
  ASSERT_EQ(type->GetPreRequisites().size(), 2u);
  EXPECT_EQ(type->GetPreRequisites()[1]->name, "fitness");
  EXPECT_EQ(SIM_SoloActivityType::GetByName("telly"), type);
}

TEST_F(SoloGame, BrokenRowsWarnWithFileAndLineAndKeepADefault) {
  Load(SoloRow("pricey", "lots", "#") + SoloRow("open", "3", "\"happiness,0.1,0.5\",\"_energy,0.3\""));
  ASSERT_EQ(SIM_SoloActivityType::All.size(), 2u);
  EXPECT_FLOAT_EQ(SIM_SoloActivityType::All.front()->GetCost(), 0.0f);
  SIM_SoloActivityType* open = SIM_SoloActivityType::All.back();
  // Without the closing field everything after the unused column is an effect.
  EXPECT_EQ(open->GetModifiers().size(), 2u);
  EXPECT_TRUE(open->GetPreRequisites().empty());
  const std::string log = Log();
  EXPECT_NE(log.find("fixture.csv:2: cost \"lots\" of solo activity pricey is not a number"), std::string::npos) << log;
  EXPECT_NE(log.find("fixture.csv:3: the effects of solo activity open are not closed"), std::string::npos);

  EXPECT_EQ(SIM_SoloActivityType::GetByName("nosuch"), nullptr);
  EXPECT_NE(Log().find("SIM_SoloActivityType not found"), std::string::npos);

  SIM_SoloActivityType::Close();
  SIM_SoloActivityType::LoadTypes("data/simulation/no_such_table.csv");
  EXPECT_TRUE(SIM_SoloActivityType::All.empty());
  EXPECT_NE(Log().find("no_such_table.csv: no solo activities (file missing)"), std::string::npos);
}

TEST_F(SoloGame, AffordableAtExactlyItsPriceAndAlwaysWhenFree) {
  Load(SoloRow("free", "0", "#") + SoloRow("twenty", "20", "#"));
  SIM_Finances* cash = SIM_GetFinances();
  cash->SetCash(0.0f);
  EXPECT_TRUE(SIM_SoloActivityType::GetByName("free")->IsAffordable());
  cash->SetCash(20.0f);
  EXPECT_TRUE(SIM_SoloActivityType::GetByName("twenty")->IsAffordable());
  cash->SetCash(19.99f);
  EXPECT_FALSE(SIM_SoloActivityType::GetByName("twenty")->IsAffordable());
}

TEST_F(SoloGame, AnEveningAloneRunsItsScriptPaysUsesTheSlotAndBores) {
  Load(SoloRow("plain", "7", "\"happiness,0.2,0.5\",#", "ApplyEffect(fitness,0.1,0.9,test)") +
       SoloRow("puzzle", "3", "\"happiness,0.2,0.5\",#", "ApplyEffect(fitness,0.1,0.9,test)", 1));
  SIM_Vede* vede = SIM_GetVede();
  SIM_Finances* cash = SIM_GetFinances();
  for (const char* name : {"plain", "puzzle"}) {
    SCOPED_TRACE(name);
    SIM_GetSim()->SetMode(SIM_SIM::TURNMODE_EVENING);
    SIM_GetSim()->SetSlots(1, 0);
    cash->SetCash(100.0f);
    const float fitness = vede->GetValue("fitness");
    const int days = SIM_GetStatistics()->GetIntCounter("DAYS_SOLO");
    SIM_SoloActivityType::GetByName(name)->ProcessChunk();
    EXPECT_FLOAT_EQ(cash->GetCash(), name == std::string("plain") ? 93.0f : 97.0f);
    EXPECT_GT(vede->GetValue("fitness"), fitness);
    // The puzzle's effects wait for a solve; the plain evening's apply now.
    int own = 0;
    for (const SIM_Effect* effect : SIM_Attribute::GetAttribute("happiness")->GetEffects()) own += effect->GetDebugName() == name;
    EXPECT_EQ(own, name == std::string("plain") ? 1 : 0);
    EXPECT_EQ(SIM_GetSim()->GetTurnMode(), SIM_SIM::TURNMODE_DAYENDED);
    EXPECT_EQ(SIM_GetStatistics()->GetIntCounter("DAYS_SOLO"), days + 1);
    EXPECT_FLOAT_EQ(vede->GetBoredom()->GetEffect(name), 0.6f);
  }
  EXPECT_EQ(SIM_SoloActivityInstance::All.size(), 2u);
  SIM_SoloActivityInstance::Open();
  EXPECT_TRUE(SIM_SoloActivityInstance::All.empty());
}

TEST_F(SoloGame, TheChanceOfMeetingSomebodyNew) {
  struct Case {
    float chance;
    int friendships;
    float extravert;
    float expected;
  };
  const Case cases[] = {
      {0.6f, 1, 1.0f, 1.25f},  // doubled to 1.0 for the lonely, then the sociable's 1.25
      {0.6f, 1, 0.0f, 0.75f},  // 1.0, then the shy's 0.75
      {0.6f, 0, 0.5f, 1.0f},
      {0.2f, 3, 0.0f, 0.15f},
      {0.2f, 6, 1.0f, 0.25f},
      {0.6f, 7, 1.0f, 0.0f},  // enough friends: nobody new
      {0.0f, 0, 1.0f, 0.0f},
      {-0.5f, 1, 1.0f, 0.0f},
  };
  for (const Case& c : cases) {
    EXPECT_NEAR(SIM_SoloActivityType::MeetingChance(c.chance, c.friendships, c.extravert), c.expected, 1e-6)
        << c.chance << " " << c.friendships << " " << c.extravert;
  }
}

TEST_F(SoloGame, UnlocksFollowThePointsAndSurviveSaveLoadSave) {
  // Leaves the shipped table in place: the save names its types.
  SIM_SoloActivityType* locked = nullptr;
  for (SIM_SoloActivityType* type : SIM_SoloActivityType::All)
    if (type->IsLocked() && (!locked || type->GetUnlockThreshold() < locked->GetUnlockThreshold())) locked = type;
  ASSERT_NE(locked, nullptr) << "the table should hold a locked activity";
  SIM_TimeChunkType::UnlockPoints = locked->GetUnlockThreshold();
  SIM_SoloActivityType::CheckUnlocks();
  EXPECT_TRUE(locked->IsLocked()) << "unlocked only above its threshold";
  SIM_TimeChunkType::UnlockPoints = locked->GetUnlockThreshold() + 0.01f;
  SIM_SoloActivityType::CheckUnlocks();
  EXPECT_FALSE(locked->IsLocked());
  const std::string name = locked->GetName();

  ASSERT_TRUE(SIM_GetSaveGame()->SaveGame("solo_unlocks"));
  const std::string first = testsupport::ReadFile(SIM_SaveGame::PathOf("solo_unlocks"));
  ASSERT_TRUE(SIM_GetLoadGame()->LoadGame("solo_unlocks"));
  SIM_SoloActivityType* loaded = SIM_SoloActivityType::GetByName(name.c_str());
  ASSERT_NE(loaded, nullptr);
  EXPECT_FALSE(loaded->IsLocked());
  ASSERT_TRUE(SIM_GetSaveGame()->SaveGame("solo_unlocks"));
  EXPECT_EQ(testsupport::ReadFile(SIM_SaveGame::PathOf("solo_unlocks")), first);
}

}  // namespace
