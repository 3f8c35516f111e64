// The data lint of the possessions: assets.csv parses cleanly with known class keys, flags and
// departments; every name the code tests is a row; every picture, sound and script a row names
// exists with its exact case and changes only player values; each book has its pages and a click
// action; and the solo evenings the possessions lead to are in the solo table.
#include <gtest/gtest.h>

#include <filesystem>
#include <regex>
#include <set>
#include <string>
#include <vector>

#include "CSV.h"
#include "CSpreadsheet.h"
#include "LintSupport.h"
#include "TestSupport.h"

namespace assetlint {

namespace fs = std::filesystem;
using lint::Findings;

constexpr const char* kAssetTable = "data/simulation/assets.csv";

enum AssetColumn {
  KEY = 0, NAME, GUINAME, TAB, DESCRIPTION, TEXTURE, SOUNDS, RESALE, PRICE, DAILY, PURCHASE_SCRIPT, OWNED_SCRIPT,
  USE_SCRIPT, FLAGS, OWN_COLUMNS
};

struct AssetRow {
  std::string origin;
  std::vector<std::string> fields;
};

std::vector<AssetRow> AssetRows(Findings& findings) {
  std::vector<AssetRow> rows;
  CSpreadsheet sheet(testsupport::RepoPath(kAssetTable).c_str());
  for (size_t i = 0; i < sheet.size(); ++i) {
    const std::string origin = std::string(kAssetTable) + ":" + std::to_string(sheet.LineOf(i));
    CSV csv;
    csv.Initialise(sheet[i].c_str(), ',');
    csv.GetNextToken();
    AssetRow row{origin, {}};
    while (!csv.Finished()) row.fields.push_back(csv.GetNextString());
    if (csv.Problems() || row.fields.size() < OWN_COLUMNS) {
      findings.push_back(origin + ": " + std::to_string(row.fields.size()) + " fields, fewer than " +
                         std::to_string(OWN_COLUMNS));
      continue;
    }
    rows.push_back(row);
  }
  return rows;
}

std::vector<std::string> FieldWords(const std::string& field) {
  std::vector<std::string> words;
  CSV csv;
  csv.Initialise(field.c_str(), ',');
  while (!csv.Finished()) {
    std::string word = csv.GetNextString();
    word.erase(0, word.find_first_not_of(' '));
    if (!word.empty()) words.push_back(word);
  }
  return words;
}

bool IsBook(const AssetRow& row) { return row.fields[KEY] == "sim_book"; }

TEST(AssetLint, RowsParseWithKnownKeysFlagsAndDepartments) {
  Findings findings;
  const std::vector<AssetRow> rows = AssetRows(findings);
  const std::set<std::string> keys = {"asset", "sim_dog", "sim_cat", "sim_fish", "sim_hamster", "sim_parrot",
                                      "sim_catfood", "sim_dogfood", "sim_fishfood", "sim_parrotfood",
                                      "sim_hamsterfood", "sim_book", "sim_gift", "sim_lottery", "sim_gym"};
  const std::set<std::string> flags = {"STEALABLE", "SELLABLE", "REBUYABLE", "SERVICE", "MEANSOFTRANSPORT"};
  const std::set<std::string> tabs = {"general", "pets", "books", "music"};
  std::set<std::string> names;
  int books = 0;
  for (const AssetRow& row : rows) {
    const auto& f = row.fields;
    if (!keys.count(f[KEY])) findings.push_back(row.origin + ": unknown class key \"" + f[KEY] + "\"");
    if (!names.insert(f[NAME]).second) findings.push_back(row.origin + ": \"" + f[NAME] + "\" again");
    if (!tabs.count(f[TAB])) findings.push_back(row.origin + ": unknown department \"" + f[TAB] + "\"");
    for (const std::string& word : FieldWords(f[FLAGS])) {
      if (!flags.count(word)) findings.push_back(row.origin + ": unknown flag \"" + word + "\"");
    }
    for (int column : {RESALE, PRICE, DAILY}) {
      const std::regex number(R"(\d+(\.\d+)?)");
      if (!std::regex_match(f[column], number)) findings.push_back(row.origin + ": \"" + f[column] + "\" is no number");
    }
    const float resale = CSV::ParseFloat(f[RESALE].c_str());
    if (resale < 0.0f || resale > 1.0f) findings.push_back(row.origin + ": resale fraction outside 0..1");
    if (IsBook(row)) {
      ++books;
      const size_t own = OWN_COLUMNS;
      const int pages = row.fields.size() > own ? CSV::ParseInt(f[own].c_str()) : 0;
      const std::string action = row.fields.size() > own + 1 ? f[own + 1] : "";
      if (pages < 100 || pages > 600) findings.push_back(row.origin + ": a book of " + std::to_string(pages) + " pages");
      if (action != "showdetails" && action != "sudoku")
        findings.push_back(row.origin + ": click action \"" + action + "\" is neither showdetails nor sudoku");
    }
  }
  EXPECT_GE(rows.size(), 40u);
  EXPECT_LE(rows.size(), 60u);
  EXPECT_GE(books, 8);
  EXPECT_TRUE(findings.empty()) << lint::Join(findings);
}

TEST(AssetLint, EveryNameTheCodeTestsIsARow) {
  Findings findings;
  std::set<std::string> names;
  for (const AssetRow& row : AssetRows(findings)) names.insert(row.fields[NAME]);
  for (const char* name : {"umbrella", "mp3player", "alarm", "cheapcar", "midrangecar", "expensivecar", "bicycle",
                           "motorbike", "skateboard", "suit", "designer_sunglasses", "golfclubs", "cabletv",
                           "dishwasher", "guitar", "dog", "cat", "fish", "hamster", "parrot", "catbed", "catpost",
                           "sudoku"}) {
    if (!names.count(name)) findings.push_back(std::string(kAssetTable) + ": no row \"" + name + "\"");
  }
  EXPECT_TRUE(findings.empty()) << lint::Join(findings);
}

TEST(AssetLint, PicturesSoundsScriptsAndPrerequisitesExist) {
  Findings findings;
  const std::set<std::string> values = lint::PlayerValues();
  const std::regex effect(R"re(ApplyEffect\(\s*([^,\s]+))re");
  for (const AssetRow& row : AssetRows(findings)) {
    const auto& f = row.fields;
    const std::string& texture = f[TEXTURE];
    const std::string picture = "data/bitmaps/" + texture.substr(0, texture.rfind('.')) + ".png";
    if (!lint::EndsWith(texture, ".dds") || !lint::ExistsExactCase(picture))
      findings.push_back(row.origin + ": no picture for \"" + texture + "\"");
    for (const std::string& sound : FieldWords(f[SOUNDS])) {
      if (!lint::ExistsExactCase("data/sounds/" + sound)) findings.push_back(row.origin + ": no sound \"" + sound + "\"");
    }
    for (int column : {PURCHASE_SCRIPT, OWNED_SCRIPT, USE_SCRIPT}) {
      std::string text = f[column];
      if (lint::EndsWith(text, ".txt")) {
        const std::string path = "data/simulation/scripts/" + text;
        if (!lint::ExistsExactCase(path)) {
          findings.push_back(row.origin + ": no script \"" + text + "\"");
          continue;
        }
        text = testsupport::ReadFile(testsupport::RepoPath(path));
      }
      for (std::sregex_iterator it(text.begin(), text.end(), effect), end; it != end; ++it) {
        if (!values.count((*it)[1].str()))
          findings.push_back(row.origin + ": changes \"" + (*it)[1].str() + "\", no player value");
      }
    }
    // After the kind's own columns and one unused column come the prerequisites.
    const size_t first = OWN_COLUMNS + (IsBook(row) ? 2 : 0) + 1;
    for (size_t i = first; i < f.size(); ++i) {
      if (f[i].size() <= 2) continue;
      const std::string name = f[i].substr(0, f[i].find(','));
      if (!values.count(name)) findings.push_back(row.origin + ": prerequisite \"" + name + "\" is no player value");
    }
  }
  EXPECT_TRUE(findings.empty()) << lint::Join(findings);
}

TEST(AssetLint, TheSoloEveningsPossessionsLeadToAreThere) {
  Findings findings;
  std::set<std::string> solos;
  CSpreadsheet sheet(testsupport::RepoPath("data/simulation/solo_activities.csv").c_str());
  for (const std::string& row : sheet) {
    CSV csv;
    csv.Initialise(row.c_str(), ',');
    csv.GetNextToken();
    csv.GetNextToken();
    solos.insert(csv.GetNextString());
  }
  for (const char* name : {"shopping", "charityrun", "dentist", "visitgym", "sudoku"}) {
    if (!solos.count(name)) findings.push_back(std::string("solo_activities.csv: no solo evening \"") + name + "\"");
  }
  EXPECT_TRUE(findings.empty()) << lint::Join(findings);
}

}  // namespace assetlint
