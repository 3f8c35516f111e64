// The data lint of the cinema: the film table parses cleanly with enough films for real play,
// each with a unique GUID, a title, a blurb and effects on values the game knows (a little film
// knowledge among them, or no review could ever be read); the cinema evening is a "MOVIE" type;
// the graded review and both rumour sections are there and every rumour names its film.
#include <gtest/gtest.h>

#include <set>
#include <string>

#include "CSV.h"
#include "CSpreadsheet.h"
#include "LintSupport.h"
#include "TestSupport.h"

namespace {

using namespace lint;

std::set<std::string> CinemaFirstColumn(const std::string& relative) {
  CSpreadsheet sheet(testsupport::RepoPath(relative).c_str());
  std::set<std::string> names;
  for (size_t i = 0; i < sheet.size(); ++i) {
    CSV csv;
    csv.Initialise(sheet[i], ',', sheet.Origin(i));
    csv.GetNextToken();
    names.insert(csv.GetNextString());
  }
  return names;
}

TEST(CinemaDataLint, EveryFilmHasAUniqueGUIDATitleABlurbAndKnownEffects) {
  std::set<std::string> values = CinemaFirstColumn("data/simulation/attributes.csv");
  for (const std::string& hidden : CinemaFirstColumn("data/simulation/hidden_attributes.csv")) values.insert(hidden);
  CSpreadsheet sheet(testsupport::RepoPath("data/simulation/movies.csv").c_str());
  EXPECT_EQ(sheet.Problems(), 0);
  EXPECT_GE(sheet.size(), 8u);
  Findings findings;
  std::set<int> guids;
  for (size_t i = 0; i < sheet.size(); ++i) {
    const std::string where = sheet.Origin(i);
    CSV csv;
    csv.Initialise(sheet[i], ',', where);
    csv.GetNextToken();
    const int guid = csv.GetNextInt();
    if (!guids.insert(guid).second) findings.push_back(where + ": GUID " + std::to_string(guid) + " twice");
    if (csv.GetNextString().empty()) findings.push_back(where + ": no title");
    if (csv.GetNextString().size() < 20) findings.push_back(where + ": no blurb a player could read");
    csv.GetNextToken();
    bool knowledge = false;
    while (!csv.Finished()) {
      const std::string effect = csv.GetNextString();
      if (effect.empty()) continue;
      const std::string name = effect.substr(0, effect.find(','));
      if (name == "glob_movieknowledge") {
        knowledge = true;
      } else if (!values.count(name) || name == "relaxation") {
        // Relaxation is the far side of stress: it cannot be aimed at.
        findings.push_back(where + ": effect on \"" + name + "\", which is no value the film can change");
      }
    }
    if (!knowledge) findings.push_back(where + ": no film knowledge gained");
    if (csv.Problems() > 0) findings.push_back(where + ": the row does not parse cleanly");
  }
  EXPECT_TRUE(findings.empty()) << Join(findings);
}

TEST(CinemaDataLint, TheCinemaIsAFilmEveningAndItsTextsAreThere) {
  CSpreadsheet events(testsupport::RepoPath("data/simulation/social_events.csv").c_str());
  std::string process;
  for (size_t i = 0; i < events.size(); ++i) {
    CSV csv;
    csv.Initialise(events[i], ',', events.Origin(i));
    csv.GetNextToken();
    const std::string function = csv.GetNextString();
    if (csv.GetNextString() == "cinema") process = function;
  }
  EXPECT_EQ(process, "MOVIE");

  const auto review = IniKeys("data/strings.ini", "MOVIE_REVIEW");
  ASSERT_GE(review.size(), 2u);
  for (size_t band = 0; band < review.size(); ++band) EXPECT_TRUE(review.count(std::to_string(band))) << "band " << band;

  const std::string strings = testsupport::ReadFile(testsupport::RepoPath("data/strings.ini"));
  for (const char* section : {"RUMOUR_BAD_MOVIE", "RUMOUR_GOOD_MOVIE"}) {
    const auto keys = IniKeys("data/strings.ini", section);
    EXPECT_FALSE(keys.empty()) << section;
    for (const auto& [key, lines] : keys) {
      for (int line : lines) {
        const std::string text = Lines(strings)[(size_t)line - 1];
        EXPECT_NE(text.find("<MOVIENAME>"), std::string::npos) << section << " " << key << ": " << text;
      }
    }
  }
}

}  // namespace
