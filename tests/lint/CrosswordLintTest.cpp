// The data lint of the crossword: the six word lists are there, parse cleanly and hold enough
// clues; ids are whole numbers unique across all six; answers are 1 to 10 lower-case letters or
// digits; clues are short enough to read inside the 25 seconds; and the four industries that have
// a list of their own exist.
#include <gtest/gtest.h>

#include <map>
#include <regex>

#include "CSV.h"
#include "LintSupport.h"

namespace {

const char* const kLists[] = {"easy", "hard", "science", "entertainment", "medical", "legal"};
constexpr size_t kMaxClueLength = 80;

TEST(CrosswordLint, ListsHoldEnoughValidCluesWithIdsUniqueAcrossAllSix) {
  const std::regex answerPattern("[a-z0-9]{1,10}");
  std::map<std::string, std::string> idAt;  // id -> where it was first used
  std::map<std::string, size_t> counts;
  lint::Findings findings;
  for (const char* list : kLists) {
    const std::string file = std::string("data/simulation/") + list + "_crossword.txt";
    EXPECT_TRUE(lint::ExistsExactCase(file)) << file;
    for (const lint::Row& row : lint::TableRows(file)) {
      if (row.fields.size() != 3) findings.push_back(row.origin + ": " + std::to_string(row.fields.size()) + " fields, not 3");
      if (row.fields.size() < 3) continue;
      const std::string& id = row.fields[0];
      if (!CSV::IsNumber(id, true)) findings.push_back(row.origin + ": id \"" + id + "\" is not a whole number");
      auto [at, fresh] = idAt.emplace(id, row.origin);
      if (!fresh) findings.push_back(row.origin + ": id " + id + " is already used at " + at->second);
      if (!std::regex_match(row.fields[1], answerPattern))
        findings.push_back(row.origin + ": answer \"" + row.fields[1] + "\" is not 1-10 lower-case letters or digits");
      if (row.fields[2].empty() || row.fields[2].size() > kMaxClueLength)
        findings.push_back(row.origin + ": the clue is empty or longer than " + std::to_string(kMaxClueLength));
      ++counts[list];
    }
  }
  EXPECT_TRUE(findings.empty()) << lint::Join(findings);
  EXPECT_GE(counts["easy"], 140u);
  EXPECT_GE(counts["hard"], 140u);
  for (const char* industry : {"science", "entertainment", "medical", "legal"}) EXPECT_GE(counts[industry], 30u) << industry;
}

TEST(CrosswordLint, TheIndustriesWithAListExist) {
  const std::set<std::string> industries = lint::FirstColumn("data/simulation/industries.csv");
  for (const char* industry : {"science", "entertainment", "medical", "legal"})
    EXPECT_TRUE(industries.count(industry)) << industry;
}

}  // namespace
