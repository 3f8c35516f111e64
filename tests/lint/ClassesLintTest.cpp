// The data lint of the evening classes: the table reads without a warning; five schools of five to
// seven courses, each with a chain of two or three; every course has its progress field, a fee, one
// to three evenings a week and eight to twenty lessons; every prerequisite names a course, an
// attribute or a skill; every name a lesson script changes exists; every display name is in the
// strings; the pictures of the school screens exist; and no solo activity calls the class hook.
#include <gtest/gtest.h>

#include <filesystem>
#include <map>
#include <regex>
#include <set>
#include <string>

#include "CSV.h"
#include "CSpreadsheet.h"
#include "GDebug.h"
#include "HOOK_EveningClassType.h"
#include "LintSupport.h"
#include "SIM_GlobalVariable.h"
#include "TestSupport.h"

namespace {

using namespace lint;

std::set<std::string> ClassLintNames(const std::string& relative) {
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

class ClassesLint : public ::testing::Test {
 protected:
  void SetUp() override {
    if (!GetDebug()->IsOpen()) GetDebug()->Initialise();
    SIM_GetGlobalVariables()->Load();
    before = testsupport::ReadFile(GetDebug()->GetPath()).size();
    HOOK_EveningClassType::Open();
  }
  void TearDown() override { HOOK_EveningClassType::Close(); }
  size_t before = 0;
};

TEST_F(ClassesLint, TheTableReadsCleanlyIntoFiveSchoolsOfChainedCourses) {
  const std::string log = testsupport::ReadFile(GetDebug()->GetPath()).substr(before);
  EXPECT_EQ(log.find("eveningclasses.csv"), std::string::npos) << log;
  Findings findings;
  const std::map<std::string, HOOK_EveningClassType::ClassList*> schools = {
      {"DRAMA", &HOOK_EveningClassType::DramaClasses}, {"MEDICAL", &HOOK_EveningClassType::MedicalClasses},
      {"LAW", &HOOK_EveningClassType::LawClasses}, {"TECHNICAL", &HOOK_EveningClassType::TechnicalClasses},
      {"ADULT", &HOOK_EveningClassType::AdultClasses}};
  size_t listed = 0;
  for (const auto& [school, list] : schools) {
    listed += list->size();
    if (list->size() < 5 || list->size() > 7) findings.push_back(school + ": " + std::to_string(list->size()) + " courses");
    // The longest chain of courses that need one another, within the school.
    size_t longest = 0;
    for (HOOK_EveningClassType* cls : *list) {
      size_t depth = 1;
      for (HOOK_EveningClassType* at = cls; at && !at->GetPreRequisites().empty(); ++depth)
        at = HOOK_EveningClassType::GetClassByName(at->GetPreRequisites().front()->name.c_str());
      longest = std::max(longest, depth);
    }
    if (longest < 2 || longest > 3) findings.push_back(school + ": the longest chain is " + std::to_string(longest));
  }
  // An unknown category joins no school: every course must be on one.
  if (listed != HOOK_EveningClassType::AllClasses.size()) findings.push_back("a course is on no school's list");

  const std::set<std::string> attributes = ClassLintNames("data/simulation/attributes.csv");
  const std::set<std::string> skills = ClassLintNames("data/simulation/skills.csv");
  // An attribute that mirrors another is changed through that other one only.
  std::set<std::string> mirrors;
  {
    CSpreadsheet sheet(testsupport::RepoPath("data/simulation/attributes.csv").c_str());
    for (size_t i = 0; i < sheet.size(); ++i) {
      CSV csv;
      csv.Initialise(sheet[i], ',', sheet.Origin(i));
      csv.GetNextToken();
      const std::string name = csv.GetNextString();
      csv.GetNextToken();
      csv.GetNextToken();
      if (!csv.GetNextString().empty()) mirrors.insert(name);
    }
  }
  std::set<std::string> texts;
  for (const auto& [key, lines] : IniKeys("data/strings.ini", "strings")) texts.insert(key);
  const std::regex effect(R"re(ApplyEffect\(\s*([^,\s]+)\s*,)re");
  for (HOOK_EveningClassType* cls : HOOK_EveningClassType::AllClasses) {
    const std::string where = cls->GetOrigin() + " (" + cls->GetName() + ")";
    if (cls->GetModifiers().empty() || cls->GetModifiers().front()->GetName() != cls->GetName()) {
      findings.push_back(where + ": no progress field");
    } else {
      const float lessons = 1.0f / cls->GetModifiers().front()->GetValue();
      if (lessons < 7.9f || lessons > 20.1f) findings.push_back(where + ": " + std::to_string(lessons) + " lessons");
    }
    int evenings = 0;
    for (int day = 0; day < 7; ++day) evenings += cls->RunsOnDay(day);
    if (evenings < 1 || evenings > 3) findings.push_back(where + ": " + std::to_string(evenings) + " evenings a week");
    if (cls->GetCost() <= 0.0f || cls->GetCost() > 25.0f) findings.push_back(where + ": fee " + std::to_string(cls->GetCost()));
    for (const auto* term : cls->GetPreRequisites()) {
      if (!HOOK_EveningClassType::GetClassByName(term->name.c_str()) && !attributes.count(term->name) &&
          !skills.count(term->name))
        findings.push_back(where + ": prerequisite \"" + term->name + "\" names nothing");
    }
    const std::string& script = cls->GetScript();
    if (script.empty()) findings.push_back(where + ": no lesson script");
    for (auto it = std::sregex_iterator(script.begin(), script.end(), effect); it != std::sregex_iterator(); ++it) {
      if (!attributes.count((*it)[1]) && !skills.count((*it)[1]))
        findings.push_back(where + ": the lesson changes the unknown value \"" + (*it)[1].str() + "\"");
      if (mirrors.count((*it)[1])) findings.push_back(where + ": the lesson changes the mirror \"" + (*it)[1].str() + "\"");
    }
    if (!texts.count("nv_" + cls->GetName())) findings.push_back(where + ": no display name nv_" + cls->GetName());
    if (cls->GetDescription().empty()) findings.push_back(where + ": no description");
  }
  EXPECT_TRUE(findings.empty()) << Join(findings);
}

TEST(ClassesArt, TheSchoolScreensPicturesExistAndNoSoloActivityCallsTheClassHook) {
  Findings findings;
  for (const char* picture : {"blackboard.jpg", "dialog_blackboard.png", "class_acting.png", "class_medical.png",
                              "class_law.png", "class_science.png", "class_adult.png", "class_outline.png",
                              "button_left_white.png", "button_left_white_h.png", "button_right_white.png",
                              "button_right_white_h.png", "calendar_day_white.png", "diploma.jpg"}) {
    if (!std::filesystem::exists(testsupport::RepoPath(std::string("data/bitmaps/") + picture)))
      findings.push_back(std::string("no picture ") + picture);
  }
  // The hook rebuilds the classes and opens the class list: an activity of its own it is not.
  const std::string solo = testsupport::ReadFile(testsupport::RepoPath("data/simulation/solo_activities.csv"));
  if (std::regex_search(solo, std::regex(R"re(Call\(\s*eveningclasses\s*\))re")))
    findings.push_back("a solo activity calls the hook \"eveningclasses\"");
  EXPECT_TRUE(findings.empty()) << Join(findings);
}

}  // namespace
