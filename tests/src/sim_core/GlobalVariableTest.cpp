#include <gtest/gtest.h>

#include "ActivityHooks.h"
#include "SIM_FunctionTable.h"
#include "SIM_GlobalVariable.h"
#include "SimCoreTestSupport.h"

namespace {

class GlobalVariableTest : public ::testing::Test {
 protected:
  void SetUp() override {
    table.Load(testsupport::FixturePath("sim_core/config.txt").c_str());
  }
  SIM_GlobalVariable table;
};

TEST_F(GlobalVariableTest, ValuesByExactKey) {
  EXPECT_FLOAT_EQ(table.Get("GV_STARTINGCASH"), 1500.0f);
  EXPECT_FLOAT_EQ(table.Get("GV_NOT_A_NUMBER"), 0.0f);
  EXPECT_FLOAT_EQ(table.Get("_TEST_DEGRADE"), 0.5f);
  EXPECT_TRUE(table.Has("GV_STARTINGCASH"));
  EXPECT_FALSE(table.Has("gv_startingcash"));
  EXPECT_FALSE(table.Has("GV_ELSEWHERE"));  // only section "config" is read
  table.Set("GV_STARTINGCASH", 20.0f);
  EXPECT_FLOAT_EQ(table.Get("GV_STARTINGCASH"), 20.0f);
}

// The ini layer merges a key written twice in one section into one entry holding the later
// value, so a table never holds a shadowed duplicate; the data lint forbids writing one.
TEST_F(GlobalVariableTest, DuplicateKeyIsListedOnce) {
  int seen = 0;
  for (const SIM_GVAR& var : table.GetAll()) seen += var.name == "GV_TWICE";
  EXPECT_EQ(seen, 1);
  EXPECT_FLOAT_EQ(table.Get("GV_TWICE"), 2.0f);
}

TEST_F(GlobalVariableTest, MissingKeyIsReportedOnceAndReadsZero) {
  GetDebug()->Initialise();
  for (int i = 0; i < 5; ++i) EXPECT_FLOAT_EQ(table.Get("gv_startingcash"), 0.0f);
  table.Set("GV_NOWHERE", 1.0f);
  table.Set("GV_NOWHERE", 1.0f);
  EXPECT_EQ(simtest::CountLogLines("Missing Global variable: gv_startingcash"), 1);
  EXPECT_EQ(simtest::CountLogLines("Missing Global variable: GV_NOWHERE"), 1);
}

TEST(GlobalVariables, ShippedTableLoadsThroughTheDataFolder) {
  SIM_GlobalVariable* table = SIM_GetGlobalVariables();
  table->Load();
  EXPECT_GT(table->GetAll().size(), 130u);
  EXPECT_GT(table->Get("GV_STARTINGCASH"), 0.0f);
  EXPECT_EQ(SIM_GetGlobalVariables(), table);
}

int g_calls = 0;
void CountCall() { ++g_calls; }

TEST(FunctionTable, BuiltInHooksInOrder) {
  const char* keys[] = {"investigatestory", "surfweb",         "bowlingmatch",   "charityrun",
                        "dentist",          "writescreenplay", "writesong",      "developtheory",
                        "easycrossword",    "crypticcrossword", "videogame",     "eveningclasses",
                        "alcoholicsmeeting", "dirtyhome",      "homewithpets",   "walkpark",
                        "shopping",         "shownpcwindow",   "enddaygui"};
  SIM_FunctionTable table;
  ASSERT_GE(table.GetHooks().size(), std::size(keys));
  for (size_t i = 0; i < std::size(keys); ++i) EXPECT_EQ(table.GetHooks()[i]->key, keys[i]);
}

TEST(FunctionTable, TriggerByExactKeyAndReportUnknownOnce) {
  GetDebug()->Initialise();
  SIM_FunctionTable table;
  table.AddHook("countme", CountCall);
  table.AddHook("countme", nullptr);  // a later duplicate is never reached
  EXPECT_TRUE(table.Trigger("countme"));
  EXPECT_EQ(g_calls, 1);
  EXPECT_FALSE(table.Trigger("Countme"));
  EXPECT_FALSE(table.Trigger("Countme"));
  EXPECT_EQ(g_calls, 1);
  EXPECT_EQ(simtest::CountLogLines("Hook not found: Countme"), 1);
  EXPECT_TRUE(table.Trigger("shopping"));  // a stand-in until the shopping screen exists
}

}  // namespace
