// The data lint of the town's talk: every small-talk topic a script ("AddSmalltalk") or the code
// (AddTempEvent) raises, and every section the code draws a random line from, has numbered lines
// in the strings file, enough of them to vary; the town's talk uses only the tokens filled in.
#include <gtest/gtest.h>

#include <map>
#include <regex>
#include <set>
#include <string>
#include <vector>

#include "LintSupport.h"
#include "TestSupport.h"

namespace {

using namespace lint;

// Every topic raised, with where.
std::vector<Mention> SmallTalkTopics() {
  std::vector<Mention> topics =
      Mentions(FilesUnder({"data"}, {".txt"}), std::regex(R"re(AddSmalltalk\(\s*([A-Za-z0-9_]+)\s*,)re"));
  for (const Mention& m : Mentions(SourceFiles({"src"}), std::regex(R"re(AddTempEvent\(\s*"([^"]+)")re")))
    topics.push_back(m);
  return topics;
}

// The lines of one random section: key "0", "1", ... in order, none missing.
std::map<std::string, std::vector<int>> Section(const std::string& name) {
  return IniKeys("data/strings.ini", name);
}

TEST(TownLifeLint, EverySmallTalkTopicHasLinesToSay) {
  const std::vector<Mention> topics = SmallTalkTopics();
  EXPECT_GE(topics.size(), 10u) << "the scripts raise topics";
  Findings findings;
  for (const Mention& topic : topics) {
    const auto keys = Section(topic.name);
    if (keys.size() < 3 || keys.size() > 10)
      findings.push_back(topic.Where() + ": [" + topic.name + "] has " + std::to_string(keys.size()) +
                         " lines in data/strings.ini (3 to 10 wanted)");
  }
  EXPECT_TRUE(findings.empty()) << Join(findings);
}

TEST(TownLifeLint, RandomSectionsAreNumberedFromNoughtAndUseKnownTokens) {
  std::set<std::string> sections;
  for (const Mention& m : Mentions(SourceFiles({"src"}), std::regex(R"re(GetRandomString\(\s*"([^"]+)"\s*\))re")))
    sections.insert(m.name);
  for (const char* fixed : {"SMALLTALK_DOG", "SMALLTALK_CAT", "SMALLTALK_GUITAR", "SMALLTALK_WEATHER_SUN",
                            "SMALLTALK_WEATHER_CLOUD", "SMALLTALK_WEATHER_RAIN", "SMALLTALK_WEATHER_SNOW",
                            "SMALLTALK_WEALTHY", "SMALLTALK_FAT", "SMALLTALK_SLIM", "SMALLTALK_DRUNK",
                            "SMALLTALK_DEFAULT", "SMALLTALK_MUGGER_ARRESTED", "SMALLTALK_MUGGER_DEFEATED",
                            "SMALLTALK_MUGGED", "SMALLTALK_DOGDEFENDED", "SMALLTALK_BURGLED"})
    sections.insert(fixed);
  for (const Mention& topic : SmallTalkTopics()) sections.insert(topic.name);

  const std::regex token("<([A-Z_]+)>");
  const std::set<std::string> known = {"RAVEZIRER", "SALUTATION", "NAME"};
  Findings findings;
  for (const std::string& name : sections) {
    const auto keys = Section(name);
    if (keys.empty()) {
      findings.push_back("[" + name + "] is missing from data/strings.ini");
      continue;
    }
    for (size_t i = 0; i < keys.size(); ++i) {
      if (!keys.count(std::to_string(i))) findings.push_back("[" + name + "] has no line " + std::to_string(i));
    }
  }
  // The lines themselves: only tokens the game replaces.
  const std::vector<std::string> lines = Lines(testsupport::ReadFile(testsupport::RepoPath("data/strings.ini")));
  std::string section;
  for (size_t n = 0; n < lines.size(); ++n) {
    const std::string line = TrimRight(lines[n]);
    if (!line.empty() && line[0] == '[') {
      section = line.substr(1, line.find(']') - 1);
      continue;
    }
    // Other sections have tokens of their own (the evening's report fills in its guests).
    bool talk = false;
    for (const char* prefix : {"SMALLTALK_", "SIGNOFF_", "SNUBBED_", "ROMANCE_", "VEDE_NAME_"})
      talk = talk || section.rfind(prefix, 0) == 0;
    if (!sections.count(section) || !talk) continue;
    for (std::sregex_iterator it(line.begin(), line.end(), token), end; it != end; ++it) {
      if (!known.count((*it)[1].str()))
        findings.push_back("data/strings.ini:" + std::to_string(n + 1) + ": [" + section + "] uses <" + (*it)[1].str() +
                           ">, which nothing fills in");
    }
  }
  EXPECT_TRUE(findings.empty()) << Join(findings);
}

}  // namespace
