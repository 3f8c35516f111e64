// The data lint of what the player reads: the magazine table reads without a warning, holds four
// to eight titles and has a cover for each; every book row of the asset table has pages and a
// click action the book knows, and every book read with "showdetails" teaches through
// "ApplyEffect", which is what tells a redundant book.
#include <gtest/gtest.h>

#include <filesystem>
#include <set>
#include <string>

#include "CSV.h"
#include "CSpreadsheet.h"
#include "GDebug.h"
#include "LintSupport.h"
#include "TestSupport.h"

namespace {

using namespace lint;
namespace fs = std::filesystem;

std::set<std::string> ReadingLintPictures() {
  std::set<std::string> stems;
  for (const fs::path& p : FilesUnder({"data/bitmaps"}, {".png", ".dds"})) stems.insert(p.stem().string());
  return stems;
}

TEST(ReadingLint, MagazinesReadCleanlyAndEachHasItsCover) {
  if (!GetDebug()->IsOpen()) GetDebug()->Initialise();
  CSpreadsheet sheet(testsupport::RepoPath("data/simulation/magazines.csv").c_str());
  EXPECT_EQ(sheet.Problems(), 0);
  EXPECT_GE(sheet.size(), 4u);
  EXPECT_LE(sheet.size(), 8u);
  const std::set<std::string> pictures = ReadingLintPictures();
  Findings findings;
  for (size_t row = 0; row < sheet.size(); ++row) {
    CSV csv;
    csv.Initialise(sheet[row], ',', sheet.Origin(row));
    csv.GetNextToken();
    const std::string name = csv.GetNextString();
    csv.GetNextString();
    csv.GetNextString();
    const std::string cover = csv.GetNextString();
    const std::string price = csv.GetNextString();
    const std::string script = csv.GetNextString();
    const std::string where = sheet.Origin(row) + " " + name;
    if (!EndsWith(cover, ".dds") || !pictures.count(cover.substr(0, cover.size() - 4)))
      findings.push_back(where + ": cover " + cover + " is not in data/bitmaps");
    if (price.empty() || CSV::ParseFloat(price.c_str()) <= 0.0f) findings.push_back(where + ": price \"" + price + "\"");
    if (script.find("ApplyEffect(") == std::string::npos) findings.push_back(where + ": a read script without an effect");
    if (csv.Problems() != 0) findings.push_back(where + ": the row does not parse cleanly");
  }
  EXPECT_TRUE(findings.empty()) << Join(findings);
}

TEST(ReadingLint, EveryBookHasPagesAndAnActionItKnows) {
  if (!GetDebug()->IsOpen()) GetDebug()->Initialise();
  CSpreadsheet sheet(testsupport::RepoPath("data/simulation/assets.csv").c_str());
  Findings findings;
  int books = 0;
  for (size_t row = 0; row < sheet.size(); ++row) {
    CSV csv;
    csv.Initialise(sheet[row], ',', sheet.Origin(row));
    csv.GetNextToken();
    if (csv.GetNextString() != "sim_book") continue;
    ++books;
    const std::string name = csv.GetNextString();
    for (int column = 3; column < 13; ++column) csv.GetNextToken();
    const std::string use = csv.GetNextString();
    csv.GetNextToken();  // the flags
    const int pages = CSV::ParseInt(csv.GetNextString().c_str());
    const std::string action = TrimRight(csv.GetNextString());
    const std::string where = sheet.Origin(row) + " " + name;
    if (pages < 100 || pages > 600) findings.push_back(where + ": " + std::to_string(pages) + " pages");
    if (action != "showdetails" && action != "sudoku") findings.push_back(where + ": click action \"" + action + "\"");
    if (action == "showdetails" && use.find("ApplyEffect(") == std::string::npos)
      findings.push_back(where + ": a book read without \"ApplyEffect\" can never be redundant");
  }
  EXPECT_GE(books, 8);
  EXPECT_TRUE(findings.empty()) << Join(findings);
}

}  // namespace
