// The data lint of the player's state: every tuning variable the code or the data names is in
// data/config.txt exactly once, every attribute and skill has its display name, and the attribute
// table holds what the code reads, in an order the loader can resolve.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <map>
#include <regex>
#include <set>
#include <string>
#include <vector>

#include "CSV.h"
#include "CSpreadsheet.h"
#include "LintSupport.h"
#include "TestSupport.h"

namespace fs = std::filesystem;

namespace {

using namespace lint;

// The tuning variables the rules of the game read. Code arrives subsystem by subsystem, so the
// whole list is kept here; keys read by code that is already written are also found by the scan.
const char* const kTuningKeys[] = {
    "GV_DIRT_ACCUMULATE_RATE", "GV_DIRT_PET_BONUS", "GV_GERM_ACCUMULATE_RATE", "_GERMS_DEGRADE",
    "ILLNESS_CHANCE_SCALAR", "MIN_COLD_CATCH_CHANCE", "GV_STARTINGCASH", "_VORLA_DEGRADE",
    "SPECIAL_EVENT_TRIGGER", "GV_UNEMPLOYMENT_BENEFIT", "BOREDOM_DEGRADE", "DESCRIPTION_NOUN_DEGRADE",
    "EXTRAVERT_ACCEPT_INVITE_BONUS", "GRUBBINESS_ROMANCE_EFFECT", "GRUBBINESS_ROMANTIC_PENALTY",
    "GV_BADMEMORY_THRESHHOLD", "GV_BIRTHDAYINVITE_ACCEPT_BOOST", "GV_EVENT_MEMORY_DECAY",
    "GV_FRIENDSCASH_MAX", "GV_FRIENDSCASH_MIN", "GV_FRIEND_GAIN_THRESHHOLD", "GV_FRIEND_LOST_THRESHHOLD",
    "GV_GAMESKILL_GAIN", "GV_GIFT_CYNICISM", "GV_GIFT_REL_BOOST", "GV_IMPORTANTINVITE_ACCEPT_BOOST",
    "GV_IMPORTANT_INVITE_DELAY", "GV_INITIALFRIENDS", "GV_INTERESTS_DISCOVERED_PER_MEET",
    "GV_INTERESTS_MAX", "GV_INTERESTS_MIN", "GV_MINREL_SELFSUSTAIN", "GV_NPCREL_GAIN",
    "GV_NPC_INVITEPROB", "GV_REL_DEGRADERATE", "GV_ROMANCE_BEGIN_ATTRACT_SCALAR",
    "GV_ROMANCE_BEGIN_THRESHHOLD", "GV_ROMANCE_BUSTUP_THRESHHOLD", "GV_ROMANCE_CREDIT_DEGRADE",
    "GV_ROMANCE_CREDIT_GIFT", "GV_ROMANCE_CREDIT_INVITED", "GV_ROMANCE_CREDIT_ROMANTICINVITE",
    "GV_SNUBRELEFFECT", "GV_SOCIALISE_ALONE_WITHOUT_PARTNER", "GV_SOCIALISE_BOOST_SCALAR",
    "GV_SOCIALISE_SNUB_PARTNER", "GV_SOCIALISE_SNUB_PARTNER_INTERESTED",
    "GV_SOCIALISE_SNUB_PARTNER_PER_INVITEE", "GV_SUBSIDISED_REL_BOOST",
    "INTROVERT_DECLINE_INVITE_PENALTY", "INVITE_REJECTED_BUT_APPRECIATED_RELATIONSHIP_CHANGE",
    "MIN_CULTURE_SOCIALISE_CULTURED", "MIN_IQ_SOCIALISE_INTELLIGENT", "MIN_VORLA_SOCIALISE_COOL",
    "ROMANCE_DAYSAPART_BEFORE_NAG", "ROMANCE_NAG_GAP", "SOCIALISE_DESC_NOUN_VALUE",
    "SOCIALISE_EXTRAVERT_BOOST", "_EXTRAVERT_DEGRADE", "NEWFRIEND_MINHAPPINESS", "BADTRAFFIC_CHANCE",
    "BIRTHDAY_ATTEND_MIN", "BIRTHDAY_ATTEND_MIN_IFNOT_SNUBBED", "CHARITYRUN_MAX_EARNINGS",
    "CRIME_MIN_INTERVAL", "GAMESKILL_DEGRADE", "GV_BRAWL_RELATION_LOSS", "GV_BURGLARY_INTERVAL_MAX",
    "GV_BURGLARY_INTERVAL_MIN", "GV_FIN_DISPOSABLEPERC", "GV_JOBFRIEND_FREQUENCY",
    "GV_LOSEGAME_CONFIDENCE", "GV_MUGGING_INTERVAL_MAX", "GV_MUGGING_INTERVAL_MIN", "GV_NEWJOB_STRESS",
    "GV_PROMOTION_MINGAP", "GV_WINGAME_CONFIDENCE", "JOB_DAYS_BEFORE_BOREDOM", "JOB_UNLOCK_CHANCE",
    "JOB_UNLOCK_INTERVAL", "JOB_UNLOCK_MIN_RELATIONSHIP", "VORLA_PROMOTION", "MAGAZINE_MAX_TIREDNESS",
    "MAGAZINE_PERCENT_PER_DAY", "MIN_EXTRAVERT_WORK_FRIEND", "MIN_HAPPINESS_WORK_FRIEND",
    "SOLO_DESC_NOUN_VALUE", "TIRED_MISS_BUS", "AMBIENT_SOUND_MAX", "AMBIENT_SOUND_MAX_BIRDSONG",
    "AMBIENT_SOUND_MIN", "AMBIENT_SOUND_MIN_BIRDSONG", "AVATAR_WEIGHT_STRETCH", "GV_MAXDIRTSPRITES",
    "CAT_HAPPINESS_PER_EVENING", "CAT_HAPPINESS_REDUCTION_PER_DAY", "DOG_HAPPINESS_PER_EVENING",
    "DOG_HAPPINESS_REDUCTION_PER_DAY", "GV_ALCOHOLIC_RECOVERY", "GV_BASE_NEWSSTORY_PROG",
    "GV_BASE_SONGWRITE_PROG", "GV_BASE_THEORY_PROG", "GV_BLOODALCOHOL_GAINRATE",
    "GV_BLOODALCOHOL_RECOVER", "GV_BOOKPAGESPERDAY", "GV_DISC_THEORY_PROG",
    "GV_HAMSTER_SUDDENDEATH_DEGRADE", "GV_HAMSTER_SUDDENDEATH_EFFECT", "GV_INST_SONGWRITE_PROG",
    "GV_ROYALTY_DEGRADE", "GV_SCREENPLAY_CULTMULT", "GV_SCREENPLAY_MAXROYALTY",
    "GV_SCREENPLAY_MINROYALTY", "GV_SCREENPLAY_PROGBASE", "GV_SCREENPLAY_QUALBASE",
    "GV_SCREENPLAY_QUALGAIN", "GV_SCREENPLAY_XPPERBOOK", "GV_SONG_MAXROYALTY", "GV_SONG_MINROYALTY",
    "VORLA_LOSTHAMSTER", "VORLA_LOSTPARROT", "VORLA_NEWSSTORY", "VORLA_NEWSSTORY_BAD",
    "VORLA_SCREENPLAY", "VORLA_SCREENPLAY_BAD", "VORLA_SONG", "VORLA_THEORY", "VORLA_THEORY_BAD",
    "VORLA_VIDEOGAME", "PET_LONELY_DAYS", "READBOOK_DESC_NOUN_VALUE", "_BOREDOM_DEGRADE",
    "_HAPPINESS_DEGRADE", "_STRESS_DEGRADE",
};

// Attributes the rules read by name; the player's attribute table must hold each.
const char* const kRequiredAttributes[] = {
    "happiness", "stress", "relaxation", "tiredness", "_energy", "fitness", "confidence",
    "loneliness", "optimism", "boredom", "alcohol", "health", "weight", "germs", "vorla",
    "extravert", "charisma", "_cleanliness", "iq", "iq_reasoning", "iq_logic", "iq_knowledge",
    "iq_problemsolving", "culture", "culture_arts", "culture_literature", "culture_knowledge",
};

TEST(SimDataLint, EveryTuningKeyIsDefinedOnce) {
  auto keys = IniKeys("data/config.txt", "config");
  Findings findings;
  std::map<std::string, std::string> wanted;  // key -> where it is named
  for (const char* key : kTuningKeys) wanted[key] = "the rules of the game";
  // Keys read by the code: any getter call with a quoted key, and any quoted "GV_" or "_..."
  // upper-case name.
  const std::regex getter(R"re(GlobalVariables\(\)\s*->\s*(?:Get|Set)\(\s*"([^"]+)")re");
  const std::regex named(R"re("((?:GV_|_)[A-Z][A-Z0-9_]*)")re");
  for (const Mention& m : Mentions(SourceFiles({"src"}), getter)) wanted.emplace(m.name, m.Where());
  for (const Mention& m : Mentions(SourceFiles({"src"}), named)) wanted.emplace(m.name, m.Where());
  // Keys named by the data: a table field or a script argument that begins with "_" and an
  // upper-case letter is a tuning variable.
  const std::regex dataKey(R"re((?:^|[,(])\s*"?(_[A-Z][A-Z0-9_]*))re");
  for (const Mention& m : Mentions(FilesUnder({"data/simulation"}, {".csv", ".txt"}), dataKey))
    wanted.emplace(m.name, m.Where());

  for (const auto& [key, where] : wanted) {
    auto it = keys.find(key);
    if (it == keys.end()) findings.push_back(where + ": tuning variable \"" + key + "\" is not in data/config.txt");
  }
  for (const auto& [key, lines] : keys) {
    if (lines.size() > 1) {
      findings.push_back("data/config.txt:" + std::to_string(lines[1]) + ": \"" + key + "\" also on line " +
                         std::to_string(lines[0]));
    }
  }
  EXPECT_TRUE(findings.empty()) << Join(findings);
}

TEST(SimDataLint, TuningValuesAreNumbersTheReaderKeeps) {
  std::string text = testsupport::ReadFile(testsupport::RepoPath("data/config.txt"));
  Findings findings;
  const std::regex entry(R"re(^\s*([^;#\[=\s][^=]*?)\s*=\s*(.*?)\s*$)re");
  int lineNo = 0;
  int values = 0;
  for (const std::string& line : Lines(text)) {
    ++lineNo;
    std::smatch m;
    if (!std::regex_match(line, m, entry)) continue;
    ++values;
    std::string value = m[2].str();
    // The reader keeps 30 characters of a value and reads it as a number.
    if (value.size() > 30 || !std::regex_match(value, std::regex(R"re(-?[0-9]+(\.[0-9]+)?)re")))
      findings.push_back("data/config.txt:" + std::to_string(lineNo) + ": \"" + value + "\" is not a plain number");
  }
  EXPECT_GT(values, 0) << "data/config.txt: missing, or no tuning values";
  EXPECT_TRUE(findings.empty()) << Join(findings);
}

TEST(SimDataLint, EveryAttributeAndSkillHasItsTexts) {
  auto strings = IniKeys("data/strings.ini", "strings");
  Findings findings;
  for (const Row& row : TableRows("data/simulation/attributes.csv")) {
    if (row.fields.empty()) continue;
    if (!strings.count("nv_" + row.fields[0]))
      findings.push_back(row.origin + ": no \"nv_" + row.fields[0] + "\" in [strings] of data/strings.ini");
    for (size_t f = 10; f <= 12 && f < row.fields.size(); ++f) {
      if (!row.fields[f].empty() && !strings.count(row.fields[f]))
        findings.push_back(row.origin + ": description key \"" + row.fields[f] + "\" is not in data/strings.ini");
    }
  }
  for (const Row& row : TableRows("data/simulation/skills.csv")) {
    if (!row.fields.empty() && !strings.count("nv_" + row.fields[0]))
      findings.push_back(row.origin + ": no \"nv_" + row.fields[0] + "\" in [strings] of data/strings.ini");
  }
  EXPECT_TRUE(findings.empty()) << Join(findings);
}

TEST(SimDataLint, AttributeTableHoldsWhatTheRulesRead) {
  Findings findings;
  std::vector<Row> rows = TableRows("data/simulation/attributes.csv");
  std::set<std::string> names;
  for (const Row& row : rows) {
    if (row.fields.size() < 16) {
      findings.push_back(row.origin + ": a row has at least 16 fields after the marker");
      continue;
    }
    const std::string& name = row.fields[0];
    if (names.count(name)) findings.push_back(row.origin + ": \"" + name + "\" listed twice");
    const std::string& parent = row.fields[15];
    if (!parent.empty() && !names.count(parent))
      findings.push_back(row.origin + ": parent \"" + parent + "\" must be an earlier row");
    if (!parent.empty() && row.fields.size() < 17)
      findings.push_back(row.origin + ": a row with a parent gives its weight");
    names.insert(name);
    const std::string& direction = row.fields[13];
    if (!direction.empty() && direction != "above" && direction != "below")
      findings.push_back(row.origin + ": warning direction \"" + direction + "\" is neither above nor below");
  }
  for (const Row& row : rows) {
    if (row.fields.size() < 16) continue;
    const std::string& opposite = row.fields[2];
    const std::string& mirror = row.fields[3];
    if (!opposite.empty() && !names.count(opposite))
      findings.push_back(row.origin + ": opposite \"" + opposite + "\" is no attribute");
    if (!mirror.empty() && !names.count(mirror))
      findings.push_back(row.origin + ": mirror \"" + mirror + "\" is no attribute");
  }
  for (const char* name : kRequiredAttributes) {
    if (!names.count(name)) findings.push_back(std::string("data/simulation/attributes.csv: no row for \"") + name + "\"");
  }
  EXPECT_TRUE(findings.empty()) << Join(findings);
}

}  // namespace
