// The data lint of the ways to work: commute.csv holds every method the rules name with values the
// rules rely on, and every script, sound and player value a row names exists with its exact case.
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

namespace commutelint {

namespace fs = std::filesystem;
using lint::Findings;

constexpr const char* kTable = "data/simulation/commute.csv";
constexpr const char* kScripts = "data/simulation/scripts/";
constexpr size_t kColumns = 19;  // after the row marker

enum Column {
  NAME = 0, SOUND = 7, RANGE = 8, COST_PER_MILE = 9, MIN_FARE = 10, STRESS_RAIN = 11, STRESS_SNOW = 14,
  ONE_OFF_SCRIPT = 15, PER_MILE_SCRIPT = 16, BOREDOM_SCRIPT = 17, REQUIRED_VALUE = 18,
};

struct Method {
  std::string origin;
  std::vector<std::string> fields;
  float Number(int column) const { return CSV::ParseFloat(fields[column].c_str()); }
};

std::vector<Method> Methods(Findings& findings) {
  std::vector<Method> methods;
  CSpreadsheet sheet(testsupport::RepoPath(kTable).c_str());
  for (size_t i = 0; i < sheet.size(); ++i) {
    const std::string origin = std::string(kTable) + ":" + std::to_string(sheet.LineOf(i));
    CSV csv;
    csv.Initialise(sheet[i].c_str(), ',');
    csv.GetNextToken();
    Method method{origin, {}};
    while (!csv.Finished()) method.fields.push_back(csv.GetNextString());
    if (csv.Problems() || method.fields.size() != kColumns) {
      findings.push_back(origin + ": " + std::to_string(method.fields.size()) + " fields, not " +
                         std::to_string(kColumns));
      continue;
    }
    methods.push_back(method);
  }
  return methods;
}

TEST(CommuteLint, EveryMethodTheRulesNameIsThereWithTheValuesTheyNeed) {
  Findings findings;
  std::vector<Method> methods = Methods(findings);
  std::set<std::string> names;
  for (const Method& m : methods) {
    if (!names.insert(m.fields[NAME]).second) findings.push_back(m.origin + ": \"" + m.fields[NAME] + "\" again");
    const float range = m.Number(RANGE);
    if (range != -1.0f && range <= 0.0f) findings.push_back(m.origin + ": range is neither -1 nor above 0");
    for (int column : {COST_PER_MILE, MIN_FARE}) {
      if (m.Number(column) < 0.0f) findings.push_back(m.origin + ": a negative fare");
    }
    for (int column = STRESS_RAIN; column <= STRESS_SNOW; ++column) {
      if (m.Number(column) < 0.0f || m.Number(column) > 0.2f)
        findings.push_back(m.origin + ": stress " + m.fields[column] + " outside 0..0.2 for one trip");
    }
    if (m.fields[NAME] == "walk" && range != -1.0f && range < 3.0f)
      findings.push_back(m.origin + ": walking must reach the start job, up to 3 miles away");
    if (m.fields[NAME] == "bus" && range != -1.0f)
      findings.push_back(m.origin + ": the bus is the way to any job and must have range -1");
  }
  for (const char* required : {"walk", "bus", "car", "taxi", "motorbike", "bicycle", "skateboard"}) {
    if (!names.count(required)) findings.push_back(std::string(kTable) + ": no method \"" + required + "\"");
  }
  EXPECT_FALSE(methods.empty()) << kTable << " has no rows";
  EXPECT_TRUE(findings.empty()) << lint::Join(findings);
}

TEST(CommuteLint, ScriptsSoundsAndRequiredValuesExist) {
  Findings findings;
  const std::set<std::string> values = lint::PlayerValues();
  const std::regex effect(R"re(ApplyEffect\(\s*([^,\s]+))re");
  for (const Method& m : Methods(findings)) {
    for (int column : {ONE_OFF_SCRIPT, PER_MILE_SCRIPT, BOREDOM_SCRIPT}) {
      const std::string& script = m.fields[column];
      if (script.empty()) continue;
      // A name ending in ".txt" is a file; anything else runs as written.
      std::string text = script;
      if (lint::EndsWith(script, ".txt")) {
        if (!lint::ExistsExactCase(kScripts + script)) {
          findings.push_back(m.origin + ": script \"" + script + "\" is not in " + kScripts);
          continue;
        }
        text = testsupport::ReadFile(testsupport::RepoPath(kScripts + script));
      }
      for (std::sregex_iterator it(text.begin(), text.end(), effect), end; it != end; ++it) {
        if (!values.count((*it)[1].str()))
          findings.push_back(m.origin + ": " + script + " changes \"" + (*it)[1].str() + "\", no player value");
      }
    }
    const std::string& sound = m.fields[SOUND];
    if (!sound.empty() && !lint::ExistsExactCase(sound)) findings.push_back(m.origin + ": no sound file \"" + sound + "\"");
    const std::string& required = m.fields[REQUIRED_VALUE];
    if (required.size() >= 2 && !values.count(required))
      findings.push_back(m.origin + ": required value \"" + required + "\" is no player value");
  }
  EXPECT_TRUE(findings.empty()) << lint::Join(findings);
}

}  // namespace commutelint
