// The data lint of the town's people: the name pools, character types, interests and hidden
// traits hold enough rows, every name the code tests exists in them with its exact case, and
// every name a row gives (an opposite, a target, a degrade, a category, an excluded trait) exists
// where the game will look for it.
#include <gtest/gtest.h>

#include <map>
#include <regex>
#include <set>
#include <string>
#include <vector>

#include "CSV.h"
#include "CSpreadsheet.h"
#include "LintSupport.h"
#include "TestSupport.h"

namespace {

using namespace lint;


std::string Field(const Row& row, size_t i) { return i < row.fields.size() ? row.fields[i] : std::string(); }

std::set<std::string> Column(const std::vector<Row>& rows, size_t i) {
  std::set<std::string> names;
  for (const Row& row : rows) names.insert(Field(row, i));
  return names;
}

std::set<std::string> IniKeySet(const std::string& file, const std::string& section) {
  std::set<std::string> keys;
  for (const auto& [key, lines] : IniKeys(file, section)) keys.insert(key);
  return keys;
}

// The quoted names the source hands to a call, e.g. HasCharacterType("cool").
std::set<std::string> NamesPassedTo(const char* call) {
  std::set<std::string> names;
  for (const Mention& m : Mentions(SourceFiles({"src"}), std::regex(std::string(call) + R"re(\(\s*"([^"]+)")re")))
    names.insert(m.name);
  return names;
}

TEST(PeopleDataLint, NamePoolsAreLargeEnoughAndPlain) {
  const std::map<std::string, size_t> minimum = {{"data/simulation/surnames.csv", 100},
                                                 {"data/simulation/maleforenames.csv", 60},
                                                 {"data/simulation/femaleforenames.csv", 60},
                                                 {"data/simulation/townnames.csv", 15}};
  for (const auto& [file, least] : minimum) {
    std::vector<Row> rows = TableRows(file);
    EXPECT_GE(rows.size(), least) << file;
    std::set<std::string> seen;
    for (const Row& row : rows) {
      const std::string name = Field(row, 0);
      EXPECT_FALSE(name.empty()) << row.origin;
      EXPECT_EQ(name.find('<'), std::string::npos) << row.origin << ": a name is never a token";
      EXPECT_TRUE(seen.insert(name).second) << row.origin << ": \"" << name << "\" twice";
    }
  }
}

TEST(PeopleDataLint, CharacterTypesNameWhatExists) {
  const std::vector<Row> types = TableRows("data/simulation/charactertypes.csv");
  EXPECT_GE(types.size(), 10u);
  EXPECT_LE(types.size(), 14u);
  const std::set<std::string> names = Column(types, 0);
  std::set<std::string> tested = NamesPassedTo("HasCharacterType");
  for (const char* name : {"cool", "intelligent", "cultured", "introvert", "extravert", "charismatic", "irritating", "neutral"})
    tested.insert(name);
  for (const std::string& name : tested) EXPECT_TRUE(names.count(name)) << "no character type \"" << name << "\"";

  std::set<std::string> attributes = Column(TableRows("data/simulation/attributes.csv"), 0);
  const std::set<std::string> strings = IniKeySet("data/strings.ini", "strings");
  const std::set<std::string> tuning = IniKeySet("data/config.txt", "config");
  Findings findings;
  for (const Row& row : types) {
    if (Field(row, 2).empty() || Field(row, 3).empty()) findings.push_back(row.origin + ": two descriptions");
    if (!strings.count("nv_" + Field(row, 0)) && Field(row, 1).empty()) findings.push_back(row.origin + ": no display name");
    const std::string opposite = Field(row, 7);
    if (!opposite.empty()) {
      if (!names.count(opposite)) findings.push_back(row.origin + ": opposite \"" + opposite + "\" is no type");
      // Opposites come in pairs, so neither of the two can be drawn beside the other.
      for (const Row& other : types) {
        if (Field(other, 0) == opposite && Field(other, 7) != Field(row, 0))
          findings.push_back(row.origin + ": \"" + opposite + "\" does not name \"" + Field(row, 0) + "\" back");
      }
    }
    const std::string effect = Field(row, 6);
    if (effect.size() <= 3) continue;
    CSV parts;
    parts.Initialise(effect.c_str(), ',', row.origin.c_str());
    const std::string target = parts.GetNextString();
    parts.GetNextToken();
    const std::string degrade = parts.GetNextString();
    if (target != "vorla" && !attributes.count(target) && !strings.count("nv_" + target))
      findings.push_back(row.origin + ": target \"" + target + "\" is no attribute and has no nv_ text");
    if (!degrade.empty() && degrade[0] == '_' && !tuning.count(degrade))
      findings.push_back(row.origin + ": degrade \"" + degrade + "\" is not in data/config.txt");
  }
  EXPECT_TRUE(findings.empty()) << Join(findings);
}

TEST(PeopleDataLint, InterestsNameWhatExists) {
  const std::vector<Row> interests = TableRows("data/simulation/interests.csv");
  EXPECT_GE(interests.size(), 20u);
  EXPECT_LE(interests.size(), 30u);
  const std::set<std::string> names = Column(interests, 0);
  std::set<std::string> tested = NamesPassedTo("HasInterest");
  for (const char* name : {"food", "cardgames", "museum"}) tested.insert(name);
  for (const std::string& name : tested) EXPECT_TRUE(names.count(name)) << "no interest \"" << name << "\"";
  const std::set<std::string> levels = {"", "LOW", "MEDIUM", "HIGH"};
  Findings findings;
  for (const Row& row : interests) {
    if (Field(row, 1).empty()) findings.push_back(row.origin + ": no display name");
    for (size_t column : {3u, 4u}) {
      if (!levels.count(Field(row, column))) findings.push_back(row.origin + ": level \"" + Field(row, column) + "\"");
    }
    const std::string category = Field(row, 5);
    if (category != "#" && !names.count(category)) findings.push_back(row.origin + ": category \"" + category + "\" is no interest");
  }
  EXPECT_TRUE(findings.empty()) << Join(findings);
}

TEST(PeopleDataLint, HiddenTraitsNameWhatExists) {
  const std::vector<Row> traits = TableRows("data/simulation/hidden_attributes.csv");
  const std::set<std::string> names = Column(traits, 0);
  std::set<std::string> tested = NamesPassedTo("HasAttribute");
  for (const char* name : {"cat_allergy", "dog_allergy", "understanding", "neurotic"}) tested.insert(name);
  for (const std::string& name : tested) EXPECT_TRUE(names.count(name)) << "no hidden trait \"" << name << "\"";
  for (const Row& row : traits) {
    const std::string excluded = Field(row, 2);
    EXPECT_TRUE(excluded.empty() || names.count(excluded)) << row.origin << ": \"" << excluded << "\" is no trait";
  }
}

TEST(PeopleDataLint, TheTextsOfThePeopleExist) {
  const std::set<std::string> strings = IniKeySet("data/strings.ini", "strings");
  for (const char* key : {"HIM", "HIS", "HE", "HIMSELF", "HE_CAPS", "HER", "SHE", "HERSELF", "SHE_CAPS",
                          "CHARACTERTYPE_VORLA", "MET_NEW_FRIEND_TEXT", "MET_NEW_FRIEND_TITLE"})
    EXPECT_TRUE(strings.count(key)) << key;
  EXPECT_FALSE(IniKeySet("data/strings.ini", "NPC_FRIEND_LOST_TEXT").empty());
  EXPECT_TRUE(IniKeySet("data/strings.ini", "NPC_FRIEND_LOST_TEXT").count("0"));
}

}  // namespace
