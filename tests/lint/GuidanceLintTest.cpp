// The data lint of the tutorial and the hints: every step script exists and uses only commands
// the interpreter knows; every element a step spotlights, allows or closes is registered by name somewhere
// in the source; every tutorial window's title and text is a translated string and the window
// fits on the screen; every hint key the source launches has a row in the hint table, and every
// row is complete and places its window on the screen.
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

const char* const kScriptFolder = "data/simulation/scripts/";
constexpr int kScreenW = 1024;
constexpr int kScreenH = 768;
constexpr int kTutorialWindowW = 450;
constexpr int kTutorialWindowMinH = 150;  // title, two lines of text and the Next button
constexpr int kHintW = 300;
constexpr int kHintMinH = 120;

std::string ReadSource(const fs::path& p) { return StripComments(testsupport::ReadFile(p.string())); }

// The source of the game and the engine, comments blanked.
std::string AllSource() {
  std::string all;
  for (const fs::path& p : SourceFiles({"src", "libsrc"})) all += ReadSource(p) + "\n";
  return all;
}

std::set<std::string> Matches(const std::string& text, const std::regex& pattern) {
  std::set<std::string> out;
  for (std::sregex_iterator it(text.begin(), text.end(), pattern), end; it != end; ++it) out.insert((*it)[1].str());
  return out;
}

// The names elements register under. A registration names its element with a literal
// ("GUI_NamedObject::Register("EndDayButton", ...)"); a file that registers from a table of names
// counts every quoted name in it.
std::set<std::string> RegisteredNames() {
  static const std::regex direct(R"re(GUI_NamedObject::Register\(\s*"([^"]+)")re");
  static const std::regex quoted(R"re("([A-Za-z][A-Za-z0-9_]*)")re");
  std::set<std::string> names;
  for (const fs::path& path : SourceFiles({"src", "libsrc"})) {
    std::string text = ReadSource(path);
    std::set<std::string> found = Matches(text, direct);
    names.insert(found.begin(), found.end());
    if (found.empty() && text.find("GUI_NamedObject::Register(") != std::string::npos &&
        path.filename() != "GUI_NamedObject.h" && path.filename() != "GUI_NamedObject.cpp") {
      std::set<std::string> all = Matches(text, quoted);
      names.insert(all.begin(), all.end());
    }
  }
  return names;
}

struct Instruction {
  std::string name;
  std::vector<std::string> args;
};

// A script file the way the interpreter reads it: lines joined without a separator, split at ";"
// outside quotes, each instruction's arguments split at "," with the quotes dropped.
std::vector<Instruction> ReadScript(const std::string& path) {
  std::string joined;
  for (const std::string& line : Lines(testsupport::ReadFile(path))) joined += TrimRight(line);
  std::vector<Instruction> out;
  CSV split;
  split.SetPreserveQuotes(true);
  split.Initialise(joined.c_str(), ';', path.c_str());
  while (!split.Finished()) {
    std::string one = TrimRight(split.GetNextToken());
    if (one.empty()) continue;
    Instruction ins;
    size_t open = one.find('(');
    ins.name = one.substr(0, open);
    if (open != std::string::npos) {
      size_t close = one.rfind(')');
      std::string args = one.substr(open + 1, close == std::string::npos || close < open ? std::string::npos
                                                                                             : close - open - 1);
      CSV csv;
      csv.Initialise(args.c_str(), ',', path.c_str());
      while (!csv.Finished()) ins.args.push_back(TrimRight(csv.GetNextToken()));
    }
    out.push_back(ins);
  }
  return out;
}

// The step script names of data/tutorialscripts.csv, with the row each comes from. No steps fails
// the calling test: every check over the steps would otherwise pass by finding nothing to check.
std::vector<std::pair<std::string, std::string>> TutorialSteps() {
  std::vector<std::pair<std::string, std::string>> steps;
  CSpreadsheet sheet(testsupport::RepoPath("data/tutorialscripts.csv").c_str());
  if (sheet.empty()) ADD_FAILURE() << "data/tutorialscripts.csv: missing, or no tutorial steps";
  for (size_t row = 0; row < sheet.size(); ++row) {
    CSV csv;
    csv.Initialise(sheet[row], ',', sheet.Origin(row));
    csv.GetNextToken();
    steps.push_back({csv.GetNextString(), sheet.Origin(row)});
  }
  return steps;
}

const std::set<std::string> kScriptCommands = {
    "ApplyEffect", "Call", "SelectSocial", "SelectSolo", "PlayGenderSound", "PlaySound", "OverrideMusic",
    "TutorialWindow", "Highlight", "HighlightRect", "AllowButton", "CloseWindow", "AddSmalltalk"};

TEST(GuidanceLint, TutorialStepsExistAndNameOnlyWhatExists) {
  const auto steps = TutorialSteps();
  const std::set<std::string> registered = RegisteredNames();
  const auto strings = IniKeys("data/strings.ini", "strings");
  Findings findings;
  bool anyWindow = false;
  for (const auto& [script, origin] : steps) {
    if (script.size() < 5 || script.compare(script.size() - 4, 4, ".txt") != 0) {
      findings.push_back(origin + ": \"" + script + "\" is not a script file name");
      continue;
    }
    const std::string path = testsupport::RepoPath(std::string(kScriptFolder) + script);
    if (!fs::is_regular_file(path)) {
      findings.push_back(origin + ": step script \"" + script + "\" is not in " + kScriptFolder);
      continue;
    }
    bool windowHere = false;
    for (const Instruction& ins : ReadScript(path)) {
      const std::string where = std::string(kScriptFolder) + script + ": " + ins.name + ": ";
      if (!kScriptCommands.count(ins.name)) {
        findings.push_back(where + "not a script command (a blank before it, or a typing error?)");
        continue;
      }
      if (ins.name == "Highlight" || ins.name == "AllowButton" || ins.name == "CloseWindow") {
        if (ins.args.empty() || !registered.count(ins.args[0]))
          findings.push_back(where + "\"" + (ins.args.empty() ? "" : ins.args[0]) +
                             "\" is registered by no GUI_NamedObject::Register in the source");
      }
      if (ins.name == "TutorialWindow") {
        windowHere = true;
        if (ins.args.size() != 5) {
          findings.push_back(where + "wants title, text, Next flag, x and y");
          continue;
        }
        for (int i = 0; i < 2; ++i)
          if (!strings.count(ins.args[i]))
            findings.push_back(where + "\"" + ins.args[i] + "\" is not a key of [strings] in data/strings.ini");
        const int x = CSV::ParseInt(ins.args[3].c_str()), y = CSV::ParseInt(ins.args[4].c_str());
        const bool centred = x == -1 && y == -1;
        if (!centred && (x < 0 || y < 0 || x + kTutorialWindowW > kScreenW || y + kTutorialWindowMinH > kScreenH))
          findings.push_back(where + "the window at (" + ins.args[3] + ", " + ins.args[4] + ") leaves the screen");
      }
    }
    anyWindow |= windowHere;
    if (!windowHere) findings.push_back(std::string(kScriptFolder) + script + ": the step opens no tutorial window");
  }
  EXPECT_TRUE(anyWindow);
  // The Next button's label.
  if (!strings.count("TUTORIAL_NEXT")) findings.push_back("data/strings.ini: no TUTORIAL_NEXT");
  EXPECT_TRUE(findings.empty()) << findings.size() << " finding(s):" << Join(findings);
}

// Every step but the last must be able to end: with a Next button, or with an allowed button.
TEST(GuidanceLint, EveryTutorialStepCanBeLeft) {
  Findings findings;
  for (const auto& [script, origin] : TutorialSteps()) {
    const std::string path = testsupport::RepoPath(std::string(kScriptFolder) + script);
    if (!fs::is_regular_file(path)) continue;  // reported above
    bool next = false, allowed = false;
    for (const Instruction& ins : ReadScript(path)) {
      if (ins.name == "TutorialWindow" && ins.args.size() > 2 && CSV::ParseInt(ins.args[2].c_str()) != 0) next = true;
      if (ins.name == "AllowButton") allowed = true;
    }
    if (!next && !allowed) findings.push_back(origin + ": " + script + " has neither a Next button nor an allowed button");
  }
  EXPECT_TRUE(findings.empty()) << Join(findings);
}

TEST(GuidanceLint, EveryLaunchedHintHasACompleteRow) {
  CSpreadsheet sheet(testsupport::RepoPath("data/simulation/hints.csv").c_str());
  ASSERT_GT(sheet.size(), 0u) << "data/simulation/hints.csv has no rows";
  Findings findings;
  std::map<std::string, std::string> rows;  // key -> origin
  for (size_t row = 0; row < sheet.size(); ++row) {
    CSV csv;
    csv.Initialise(sheet[row], ',', sheet.Origin(row));
    csv.GetNextToken();
    const std::string key = csv.GetNextString();
    const std::string text = csv.GetNextString();
    const std::string xs = csv.GetNextString(), ys = csv.GetNextString();
    const std::string origin = sheet.Origin(row);
    if (csv.Problems()) findings.push_back(origin + ": the row does not split into key, text, x and y");
    if (key.empty() || text.empty()) findings.push_back(origin + ": a hint needs a key and a text");
    if (rows.count(key)) findings.push_back(origin + ": \"" + key + "\" again (first at " + rows[key] + ")");
    rows[key] = origin;
    if (!std::regex_match(xs, std::regex("[0-9]+")) || !std::regex_match(ys, std::regex("[0-9]+"))) {
      findings.push_back(origin + ": x and y are whole numbers of pixels");
      continue;
    }
    const int x = std::stoi(xs), y = std::stoi(ys);
    if (x + kHintW > kScreenW || y + kHintMinH > kScreenH)
      findings.push_back(origin + ": \"" + key + "\" opens off the screen at (" + xs + ", " + ys + ")");
  }

  // Every literal key the source launches.
  static const std::regex launch(R"re(GUI_HintHelp::Launch\(\s*"([^"]+)"\s*\))re");
  for (const std::string& key : Matches(AllSource(), launch))
    if (!rows.count(key)) findings.push_back("GUI_HintHelp::Launch(\"" + key + "\") has no row in data/simulation/hints.csv");
  // And the keys the game is known to launch, before every screen that launches them is built.
  for (const char* key : {"bought_book", "calendar_entry", "classes_dialog", "commute_dialog", "dirt_threshhold",
                          "icon_backgrounds", "ill", "ill_stress", "invite_dialog", "jobinstance_dialog",
                          "jobsearch_dialog", "lost_friend", "moviechoose_dialog", "newgame", "postmortem_eff",
                          "postmortem_gen", "restaurant_menu", "shopping", "snubbed", "social_dialog", "solo_dialog",
                          "weekend", "workday"})
    if (!rows.count(key)) findings.push_back(std::string("hint \"") + key + "\" has no row in data/simulation/hints.csv");
  EXPECT_TRUE(findings.empty()) << findings.size() << " finding(s):" << Join(findings);
}

// The lint's own script reader splits as the interpreter does, and comments hide examples.
TEST(GuidanceLintReaders, ReadScriptsAsTheInterpreterDoes) {
  const std::string path = testsupport::TestRoot() + "/lint_script.txt";
  testsupport::WriteFile(path, "Highlight(SoloButton);\nTutorialWindow(A_TITLE,\n\"text, with; marks\",0,-1,-1);\n");
  const std::vector<Instruction> script = ReadScript(path);
  ASSERT_EQ(script.size(), 2u);
  EXPECT_EQ(script[0].name, "Highlight");
  EXPECT_EQ(script[0].args, std::vector<std::string>{"SoloButton"});
  EXPECT_EQ(script[1].name, "TutorialWindow");
  EXPECT_EQ(script[1].args, (std::vector<std::string>{"A_TITLE", "text, with; marks", "0", "-1", "-1"}));
  EXPECT_EQ(StripComments("a(\"x//y\"); // GUI_NamedObject::Register(\"No\")"),
            "a(\"x//y\"); " + std::string(34, ' '));
}

}  // namespace
