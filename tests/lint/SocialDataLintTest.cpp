// The data lint of the social evenings: every interest, value, script and rumour section a row of
// the event table names exists where the game will look for it, "VARIABLE" costs belong to
// restaurants alone, games are named after skills, and the texts the evening and its guests
// speak are all there.
#include <gtest/gtest.h>

#include <map>
#include <regex>
#include <set>
#include <string>

#include "CSV.h"
#include "CSpreadsheet.h"
#include "GDebug.h"
#include "LintSupport.h"
#include "SIM_EventQuality.h"
#include "SIM_GlobalVariable.h"
#include "SIM_Modifier.h"
#include "SIM_Rumour.h"
#include "SIM_SocialiseType.h"
#include "TestSupport.h"

namespace {

using namespace lint;


std::set<std::string> SocialSectionKeys(const std::string& file, const std::string& section) {
  std::set<std::string> keys;
  for (const auto& [key, lines] : IniKeys(file, section)) keys.insert(key);
  return keys;
}

class SocialDataLint : public ::testing::Test {
 protected:
  void SetUp() override {
    if (!GetDebug()->IsOpen()) GetDebug()->Initialise();
    SIM_GetGlobalVariables()->Load();
    SIM_SocialiseType::Open();
  }
  void TearDown() override {
    SIM_SocialiseType::Close();
    SIM_Rumour::Close();
  }
};

TEST_F(SocialDataLint, EveryNameARowGivesExists) {
  const std::set<std::string> interests = FirstColumn("data/simulation/interests.csv");
  const std::set<std::string> attributes = FirstColumn("data/simulation/attributes.csv");
  const std::set<std::string> skills = FirstColumn("data/simulation/skills.csv");
  const std::set<std::string> tuning = SocialSectionKeys("data/config.txt", "config");
  // Values that follow another (relaxation is the other side of stress): an effect aims at that one.
  std::set<std::string> mirrored;
  {
    CSpreadsheet sheet(testsupport::RepoPath("data/simulation/attributes.csv").c_str());
    for (size_t i = 0; i < sheet.size(); ++i) {
      CSV csv;
      csv.Initialise(sheet[i], ',', sheet.Origin(i));
      csv.GetNextToken();
      const std::string name = csv.GetNextString();
      csv.GetNextToken();  // display name
      csv.GetNextToken();  // opposite
      if (!csv.GetNextString().empty()) mirrored.insert(name);
    }
  }
  std::set<std::string> scripts;  // exact case
  for (const auto& file : FilesUnder({"data/simulation/scripts"}, {".txt"})) scripts.insert(file.filename().string());
  auto isValue = [&](const std::string& name) {
    return attributes.count(name) || skills.count(name) || name == "vorla" || name.rfind("glob_", 0) == 0;
  };
  Findings findings;
  ASSERT_FALSE(SIM_SocialiseType::All.empty());
  for (SIM_SocialiseType* type : SIM_SocialiseType::All) {
    const std::string where = type->GetOrigin() + " (" + type->GetName() + ")";
    for (const SIM_SocialiseType::Interest* interest : type->GetInterests()) {
      if (!interests.count(interest->name)) findings.push_back(where + ": interest \"" + interest->name + "\"");
    }
    for (const SIM_Modifier* modifier : type->GetModifiers()) {
      if (!isValue(modifier->GetName())) findings.push_back(where + ": effect on \"" + modifier->GetName() + "\"");
      if (mirrored.count(modifier->GetName()))
        findings.push_back(where + ": effect on \"" + modifier->GetName() + "\", which only mirrors another value");
      const std::string& degrade = modifier->GetDegrade();
      if (!degrade.empty() && degrade[0] == '_' && !tuning.count(degrade))
        findings.push_back(where + ": degrade \"" + degrade + "\" is not in data/config.txt");
    }
    for (const auto* term : type->GetPreRequisites()) {
      if (!isValue(term->name)) findings.push_back(where + ": prerequisite \"" + term->name + "\"");
    }
    for (const auto* term : type->GetQualityTerms()) {
      if (term->name != "_random" && !isValue(term->name)) findings.push_back(where + ": quality term \"" + term->name + "\"");
    }
    for (const std::string& script : {type->GetAttendScript(), type->GetHostScript()}) {
      if (!script.empty() && !scripts.count(script))
        findings.push_back(where + ": script \"" + script + "\"");
    }
    if (type->GetEventQualityBand()) {
      for (const char* end : {"_bad", "_good"}) {
        const std::string section = "rumour_" + type->GetName() + end;
        if (!SocialSectionKeys("data/strings.ini", section).count("0")) findings.push_back(where + ": no rumours [" + section + "]");
      }
    }
    if (type->GetCostPerHead() == SIM_SocialiseType::kVariableCost && type->GetProcessFunction() != "RESTAURANT")
      findings.push_back(where + ": a VARIABLE cost outside a restaurant");
    if ((type->GetProcessFunction() == "GAME" || type->GetProcessFunction() == "BOWLING") && !skills.count(type->GetName()))
      findings.push_back(where + ": a game not named after a skill");
    if (type->GetGUIName().empty() || type->GetDescription().empty() || type->GetInvite().empty())
      findings.push_back(where + ": a text for the player is missing");
  }
  EXPECT_TRUE(findings.empty()) << Join(findings);
}

TEST_F(SocialDataLint, EveryEventTheDataSendsThePlayerToExists) {
  Findings findings;
  const std::regex call(R"re(SelectSocial\(\s*([^)\s]+)\s*\))re");
  for (const auto& file : FilesUnder({"data"}, {".txt", ".csv"})) {
    const std::string text = testsupport::ReadFile(file.string());
    for (auto it = std::sregex_iterator(text.begin(), text.end(), call); it != std::sregex_iterator(); ++it) {
      const std::string name = (*it)[1];
      bool found = false;
      for (SIM_SocialiseType* type : SIM_SocialiseType::All) found |= type->GetName() == name;
      if (!found) findings.push_back(Relative(file) + ": SelectSocial(" + name + ") names no event type");
    }
  }
  EXPECT_TRUE(findings.empty()) << Join(findings);
}

TEST_F(SocialDataLint, TheEveningsTextsAreAllThere) {
  Findings findings;
  // Sections read by a value: three to five lines.
  for (const char* section : {"SOCIALISE_EVENTQUALITY", "post_mortem_activitymatch", "post_mortem_overall",
                              "post_mortem_invite_comment", "post_mortem_mood"}) {
    const size_t n = SocialSectionKeys("data/strings.ini", section).size();
    if (n < 3 || n > 5) findings.push_back(std::string("[") + section + "] has " + std::to_string(n) + " lines");
  }
  for (const char* section : {"POSTMORTEM_NPC_INTRO", "POSTMORTEM_COMMONINTEREST", "POSTMORTEM_NOCHEMISTRY",
                              "POSTMORTEM_IRRITATING_PERSONALITY", "POSTMORTEM_CHARISMATIC_PERSONALITY",
                              "NPC_INVITE_LOWVORLA", "NPC_INVITE_LOWIQ", "NPC_INVITE_LOWCULTURE", "NPC_BOREDWITHACTIVITY"}) {
    if (!SocialSectionKeys("data/strings.ini", section).count("0")) findings.push_back(std::string("[") + section + "] is empty");
  }
  const std::set<std::string> strings = SocialSectionKeys("data/strings.ini", "strings");
  for (const char* key : {"POSTMORTEM_CLAUSE_CONFLICT", "POSTMORTEM_CLAUSE_NOCONFLICT", "POSTMORTEM_HE", "POSTMORTEM_SHE",
                          "NPC_REJECT_CATALLERGY", "NPC_REJECT_DOGALLERGY"}) {
    if (!strings.count(key)) findings.push_back(std::string("no text ") + key);
  }
  if (SocialSectionKeys("data/simulation/fortunes.txt", "cookies").size() < 20) findings.push_back("fewer than 20 fortune cookies");
  EXPECT_TRUE(findings.empty()) << Join(findings);
}

}  // namespace
