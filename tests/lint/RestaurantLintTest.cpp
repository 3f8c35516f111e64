// The data lint of the restaurants: both tables read without a warning; every kind of restaurant
// evening has a mid-range restaurant (where friends take the player); every style is in town;
// every menu has drinks and main courses enough for tonight's menu, one or two drinks always
// listed, and effects the menu can show; the staff's language is a skill with a display name; the
// salutation, the music and the menu picture of each restaurant exist.
#include <gtest/gtest.h>

#include <filesystem>
#include <map>
#include <set>
#include <string>

#include "CSV.h"
#include "CSpreadsheet.h"
#include "GDebug.h"
#include "LintSupport.h"
#include "SIM_RestaurantOption.h"
#include "TestSupport.h"

namespace {

using namespace lint;

struct RestaurantRow {
  std::string where, type, language, name, picture, music, style, menu;
};

std::vector<RestaurantRow> RestaurantRows() {
  CSpreadsheet sheet(testsupport::RepoPath("data/simulation/restaurants.csv").c_str());
  std::vector<RestaurantRow> rows;
  for (size_t i = 0; i < sheet.size(); ++i) {
    CSV csv;
    csv.Initialise(sheet[i], ',', sheet.Origin(i));
    csv.GetNextToken();
    RestaurantRow row;
    row.where = sheet.Origin(i);
    row.type = csv.GetNextString();
    row.language = csv.GetNextString();
    csv.GetNextString();
    row.name = csv.GetNextString();
    csv.GetNextString();
    row.picture = csv.GetNextString();
    row.music = csv.GetNextString();
    for (int skip = 0; skip < 3; ++skip) csv.GetNextString();
    row.style = csv.GetNextString();
    row.menu = csv.GetNextString();
    rows.push_back(row);
  }
  return rows;
}

// The first field after the marker of every row of a table.
std::set<std::string> RestaurantLintNames(const std::string& relative, const std::string& firstField = "") {
  CSpreadsheet sheet(testsupport::RepoPath(relative).c_str());
  std::set<std::string> names;
  for (size_t i = 0; i < sheet.size(); ++i) {
    CSV csv;
    csv.Initialise(sheet[i], ',', sheet.Origin(i));
    csv.GetNextToken();
    const std::string first = csv.GetNextString();
    if (firstField.empty()) {
      names.insert(first);
    } else if (first == firstField) {
      names.insert(csv.GetNextString());
    }
  }
  return names;
}

std::set<std::string> StringKeys() {
  std::set<std::string> keys;
  for (const auto& [key, lines] : IniKeys("data/strings.ini", "strings")) keys.insert(key);
  return keys;
}

class RestaurantLint : public ::testing::Test {
 protected:
  void SetUp() override {
    if (!GetDebug()->IsOpen()) GetDebug()->Initialise();
    before = testsupport::ReadFile(GetDebug()->GetPath()).size();
  }
  void TearDown() override { SIM_RestaurantOption::Close(); }
  size_t before = 0;
};

TEST_F(RestaurantLint, TheRestaurantsServeEveryKindOfEveningInEveryStyle) {
  const std::vector<RestaurantRow> rows = RestaurantRows();
  EXPECT_GE(rows.size(), 6u);
  EXPECT_LE(rows.size(), 10u);
  const std::set<std::string> kinds = RestaurantLintNames("data/simulation/social_events.csv", "RESTAURANT");
  ASSERT_FALSE(kinds.empty());
  const std::set<std::string> skills = RestaurantLintNames("data/simulation/skills.csv");
  const std::set<std::string> keys = StringKeys();
  std::set<std::string> styles, midRange, menus, names;
  Findings findings;
  for (const RestaurantRow& row : rows) {
    if (!kinds.count(row.type)) findings.push_back(row.where + ": \"" + row.type + "\" is no RESTAURANT evening");
    if (!skills.count(row.language)) findings.push_back(row.where + ": the language \"" + row.language + "\" is no skill");
    if (!keys.count("nv_" + row.language)) findings.push_back(row.where + ": no \"nv_" + row.language + "\" string");
    if (!keys.count("RESTAURANT_SALUTATION_" + row.type))
      findings.push_back(row.where + ": no \"RESTAURANT_SALUTATION_" + row.type + "\" string");
    if (!std::filesystem::exists(testsupport::RepoPath("data/sounds/music/" + row.music)))
      findings.push_back(row.where + ": no music \"" + row.music + "\"");
    const std::string stem = row.picture.substr(0, row.picture.rfind('.'));
    if (!EndsWith(row.picture, ".dds") || !std::filesystem::exists(testsupport::RepoPath("data/bitmaps/" + stem + ".png")))
      findings.push_back(row.where + ": no menu picture \"" + row.picture + "\"");
    if (!names.insert(row.name).second) findings.push_back(row.where + ": a second \"" + row.name + "\"");
    styles.insert(row.style);
    if (row.style == "MIDRANGE") midRange.insert(row.type);
    menus.insert(row.menu);
  }
  for (const std::string& kind : kinds)
    if (!midRange.count(kind)) findings.push_back("no MIDRANGE restaurant for \"" + kind + "\"");
  EXPECT_EQ(styles, (std::set<std::string>{"CHEAPO", "MIDRANGE", "SNOOTY", "HIP"}));
  EXPECT_TRUE(findings.empty()) << Join(findings);

  // Every menu a restaurant names has dishes, and no dish waits for a restaurant that is not there.
  SIM_RestaurantOption::Open();
  std::set<std::string> served;
  for (SIM_RestaurantOption* option : SIM_RestaurantOption::All) served.insert(option->GetTypeName());
  EXPECT_EQ(served, menus);
}

TEST_F(RestaurantLint, EveryMenuReadsCleanlyAndFillsTonightsMenuWithEffectsItCanShow) {
  SIM_RestaurantOption::Open();
  const std::string log = testsupport::ReadFile(GetDebug()->GetPath()).substr(before);
  EXPECT_EQ(log.find("restaurant_food.csv"), std::string::npos) << log;
  struct Menu {
    int dishes = 0, drinks = 0, mains = 0, drinksListed = 0;
  };
  std::map<std::string, Menu> menus;
  Findings findings;
  for (SIM_RestaurantOption* option : SIM_RestaurantOption::All) {
    Menu& menu = menus[option->GetTypeName()];
    ++menu.dishes;
    if (option->GetType() == SIM_RestaurantOption::DRINK) {
      ++menu.drinks;
      if (option->IsAlwaysListed()) ++menu.drinksListed;
    } else {
      ++menu.mains;
    }
    if (option->GetCost() <= 0.0f) findings.push_back(option->GetOrigin() + ": free of charge");
    if (option->GetModifiers().empty()) findings.push_back(option->GetOrigin() + ": does nothing");
    for (SIM_Modifier* modifier : option->GetModifiers())
      if (!SIM_RestaurantOption::HasMenuIcon(modifier->GetName()))
        findings.push_back(option->GetOrigin() + ": \"" + modifier->GetName() + "\" has no icon on the menu");
  }
  for (const auto& [name, menu] : menus) {
    if (menu.dishes < 6 || menu.dishes > 10) findings.push_back(name + ": " + std::to_string(menu.dishes) + " dishes");
    if (menu.drinks < 1 || menu.mains < 1) findings.push_back(name + ": needs a drink and a main course");
    if (menu.drinksListed < 1 || menu.drinksListed > 2)
      findings.push_back(name + ": " + std::to_string(menu.drinksListed) + " drinks always listed");
  }
  EXPECT_TRUE(findings.empty()) << Join(findings);
}

}  // namespace
