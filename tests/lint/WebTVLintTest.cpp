// The data lint of web surfing and the television: the websites fill the web screen's six places
// (at least one, or the screen would trap the player), the channels fit on the remote's seven,
// two or three of them on cable and the rest free; every row has a name, a title and a text for
// the player, and effects on values the game knows.
#include <gtest/gtest.h>

#include <set>
#include <string>

#include "LintSupport.h"

namespace {

using namespace lint;

// Fields after the marker: the effect columns begin at `firstEffect`.
Findings CheckRows(const std::vector<Row>& rows, size_t firstEffect, size_t textColumn) {
  const std::set<std::string> values = PlayerValues();
  Findings findings;
  std::set<std::string> names;
  for (const Row& row : rows) {
    const auto& f = row.fields;
    if (f.size() <= firstEffect) {
      findings.push_back(row.origin + ": too few columns");
      continue;
    }
    if (f[0].empty() || !names.insert(f[0]).second) findings.push_back(row.origin + ": name \"" + f[0] + "\" empty or twice");
    if (f[1].empty()) findings.push_back(row.origin + ": no title on the button");
    if (f[textColumn].size() < 20) findings.push_back(row.origin + ": no text a player could read");
    for (size_t i = firstEffect; i < f.size(); ++i) {
      if (f[i].empty()) continue;
      const std::string name = f[i].substr(0, f[i].find(','));
      if (!values.count(name)) findings.push_back(row.origin + ": effect on \"" + name + "\", which is no value of the player");
    }
  }
  return findings;
}

TEST(WebTVLint, OneToSixWebsitesWithTextsAndKnownEffects) {
  const std::vector<Row> rows = TableRows("data/simulation/websites.csv");
  EXPECT_GE(rows.size(), 1u);
  EXPECT_LE(rows.size(), 6u) << "the web screen has six places";
  const Findings findings = CheckRows(rows, 3, 2);
  EXPECT_TRUE(findings.empty()) << Join(findings);
}

TEST(WebTVLint, AtMostSevenChannelsTwoOrThreeOnCable) {
  const std::vector<Row> rows = TableRows("data/simulation/tvchannels.csv");
  EXPECT_LE(rows.size(), 7u) << "the remote's screen holds seven channels";
  Findings findings = CheckRows(rows, 5, 4);
  int cable = 0;
  for (const Row& row : rows) {
    if (row.fields.size() < 4) continue;
    const std::string& flag = row.fields[3];
    if (flag != "0" && flag != "1") findings.push_back(row.origin + ": cable column \"" + flag + "\" is neither 0 nor 1");
    cable += flag == "1";
  }
  EXPECT_GE(cable, 2);
  EXPECT_LE(cable, 3);
  EXPECT_LT(cable, (int)rows.size()) << "without cable something must be on";
  EXPECT_TRUE(findings.empty()) << Join(findings);
}

}  // namespace
