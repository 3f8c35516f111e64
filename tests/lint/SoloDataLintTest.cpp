// The data lint of the solo activities: the table reads without a warning and holds what the game
// and the headless player count on (the rows the code names, one television, two free evenings
// every day), every hook a script calls is registered, every panel key is one the chooser draws,
// every value an effect or prerequisite names exists with its display name, and every activity the
// data sends the player to is a row, in exact case.
#include <gtest/gtest.h>

#include <regex>
#include <set>
#include <string>

#include "CSV.h"
#include "CSpreadsheet.h"
#include "GDebug.h"
#include "LintSupport.h"
#include "SIM_Dirt.h"
#include "SIM_FunctionTable.h"
#include "SIM_GlobalVariable.h"
#include "SIM_Modifier.h"
#include "SIM_SoloActivityType.h"
#include "TestSupport.h"

namespace {

using namespace lint;


class SoloDataLint : public ::testing::Test {
 protected:
  void SetUp() override {
    if (!GetDebug()->IsOpen()) GetDebug()->Initialise();
    SIM_GetGlobalVariables()->Load();
    SIM_GetDirt();  // registers "cleanhome"
    before = testsupport::ReadFile(GetDebug()->GetPath()).size();
    SIM_SoloActivityType::Open();
  }
  void TearDown() override { SIM_SoloActivityType::Close(); }
  size_t before = 0;
};

TEST_F(SoloDataLint, TheTableReadsCleanlyAndHoldsWhatTheGameLooksFor) {
  const std::string log = testsupport::ReadFile(GetDebug()->GetPath()).substr(before);
  EXPECT_EQ(log.find("solo_activities.csv"), std::string::npos) << log;
  const size_t rows = SIM_SoloActivityType::All.size();
  EXPECT_GE(rows, 20u);
  EXPECT_LE(rows, 30u);

  Findings findings;
  for (const char* name : {"clean", "shopping", "shoponline", "charityrun", "dentist", "bowlingmatch",
                           "alcoholicsmeeting", "watchtv", "crossword", "crypticcrossword", "sudoku", "visitgym",
                           "snowballfight"}) {
    bool found = false;
    for (SIM_SoloActivityType* type : SIM_SoloActivityType::All) found |= type->GetName() == name;
    if (!found) findings.push_back(std::string("no row \"") + name + "\"");
  }
  int television = 0;
  int freeEveryDay = 0;
  for (SIM_SoloActivityType* type : SIM_SoloActivityType::All) {
    television += type->GetInstanceKind() == "TVINSTANCE";
    bool everyDay = type->GetStartMonth() == -1 && type->GetEndMonth() == -1;
    for (int day = 0; day < 7; ++day) everyDay &= type->GetDayAvailable(day);
    freeEveryDay += everyDay && type->GetCost() <= 0.0f && !type->IsLocked() && type->GetPreRequisites().empty();
  }
  if (television != 1) findings.push_back(std::to_string(television) + " TVINSTANCE rows, not one");
  if (freeEveryDay < 2) findings.push_back("fewer than two free evenings open every day");
  EXPECT_TRUE(findings.empty()) << Join(findings);
}

TEST_F(SoloDataLint, EveryNameARowGivesExists) {
  const std::set<std::string> attributes = FirstColumn("data/simulation/attributes.csv");
  const std::set<std::string> skills = FirstColumn("data/simulation/skills.csv");
  std::set<std::string> texts;
  for (const auto& [key, lines] : IniKeys("data/strings.ini", "strings")) texts.insert(key);
  const std::set<std::string> panels = {"default", "sciencetheory", "songwriting", "screenplay", "story"};
  const std::regex call(R"re(Call\(\s*([^)\s]+)\s*\))re");
  Findings findings;
  for (SIM_SoloActivityType* type : SIM_SoloActivityType::All) {
    const std::string where = type->GetOrigin() + " (" + type->GetName() + ")";
    const std::string& script = type->GetScript();
    for (auto it = std::sregex_iterator(script.begin(), script.end(), call); it != std::sregex_iterator(); ++it) {
      if (!SIM_GetFunctionTable()->HasHook((*it)[1])) findings.push_back(where + ": no hook \"" + (*it)[1].str() + "\"");
    }
    if (!panels.count(type->GetDetailsKey())) findings.push_back(where + ": panel \"" + type->GetDetailsKey() + "\"");
    std::set<std::string> values;
    for (const SIM_Modifier* modifier : type->GetModifiers()) values.insert(modifier->GetName());
    for (const auto* term : type->GetPreRequisites()) values.insert(term->name);
    for (const std::string& value : values) {
      if (!attributes.count(value) && !skills.count(value)) findings.push_back(where + ": value \"" + value + "\"");
      if (!texts.count("nv_" + value)) findings.push_back(where + ": no display name nv_" + value);
    }
    if (type->GetGUIName().empty() || type->GetDescription().empty())
      findings.push_back(where + ": a text for the player is missing");
  }
  EXPECT_TRUE(findings.empty()) << Join(findings);
}

TEST_F(SoloDataLint, EveryActivityTheDataSendsThePlayerToExists) {
  Findings findings;
  const std::regex select(R"re(SelectSolo\(\s*"?([^)"\s]+)"?\s*\))re");
  for (const auto& file : FilesUnder({"data"}, {".txt", ".csv"})) {
    const std::string text = testsupport::ReadFile(file.string());
    for (auto it = std::sregex_iterator(text.begin(), text.end(), select); it != std::sregex_iterator(); ++it) {
      bool found = false;
      for (SIM_SoloActivityType* type : SIM_SoloActivityType::All) found |= type->GetName() == (*it)[1];
      if (!found) findings.push_back(Relative(file) + ": SelectSolo(" + (*it)[1].str() + ") names no solo activity");
    }
  }
  EXPECT_TRUE(findings.empty()) << Join(findings);
}

}  // namespace

// Each long project is worked on from one row, which calls its hook and shows its panel.
TEST_F(SoloDataLint, EachProjectRowCallsItsHookAndShowsItsPanel) {
  const std::pair<const char*, const char*> projects[] = {{"sciencetheory", "Call(developtheory)"},
                                                          {"story", "Call(investigatestory)"},
                                                          {"screenplay", "Call(writescreenplay)"},
                                                          {"songwriting", "Call(writesong)"}};
  Findings findings;
  for (const auto& [details, call] : projects) {
    int rows = 0;
    for (SIM_SoloActivityType* type : SIM_SoloActivityType::All) {
      if (type->GetDetailsKey() != details) continue;
      ++rows;
      if (type->GetScript().find(call) == std::string::npos)
        findings.push_back(type->GetName() + ": panel \"" + details + "\" without " + call);
    }
    if (rows != 1) findings.push_back(std::to_string(rows) + " rows show the panel \"" + details + "\", not one");
  }
  EXPECT_TRUE(findings.empty()) << Join(findings);
}
