// The data lint: what the code asks of data/ is there, with its exact case, and every table and
// ini file reads without a warning. Each check is one row of kChecks below; add a row (or a row
// to one of the reference tables) as the game grows.
#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <filesystem>
#include <map>
#include <ostream>
#include <regex>
#include <set>
#include <string>
#include <vector>

#include "CSV.h"
#include "CSpreadsheet.h"
#include "GTranslation.h"
#include "LintSupport.h"
#include "TestSupport.h"

namespace fs = std::filesystem;

namespace {

// ---- Shared helpers --------------------------------------------------------------------------

using namespace lint;

const char* const kFileEndings[] = {".csv", ".txt", ".ini", ".png", ".dds", ".jpg", ".bmp", ".ogg"};

// Files under data/ whose names end (case-insensitively) with one of the endings.
std::vector<fs::path> DataFiles(const std::vector<std::string>& endings) { return FilesUnder({"data"}, endings, true); }

// True when the path (relative to the repository) exists with exactly this case in every part.
bool ExistsExactCase(const std::string& relative) {
  fs::path at = testsupport::RepoPath("");
  for (const fs::path& part : fs::path(relative)) {
    if (!fs::is_directory(at)) return false;
    bool found = false;
    for (const auto& e : fs::directory_iterator(at)) {
      if (e.path().filename() == part) {
        found = true;
        break;
      }
    }
    if (!found) return false;
    at /= part;
  }
  return true;
}

// An ini file read line by line the way the game's ini parser reads it, noting every line that
// the parser would drop, cut or misread.
struct IniEntry {
  std::string key;
  std::string value;
  int line;
};
struct IniFile {
  std::vector<std::string> sectionOrder;
  std::map<std::string, std::vector<IniEntry>> sections;
};

struct IniRules {
  const char* file;       // relative to the repository
  bool texts;             // player-facing texts: ";" or "#" in an unquoted value is a mistake
  bool numberedSections;  // sections other than those listed in kNamedStringSections are "0".."n-1"
};

// Sections of data/strings.ini read by key rather than as "0".."n-1".
const std::set<std::string> kNamedStringSections = {"strings"};

IniFile ReadIniText(const std::string& relative, const std::string& text, const IniRules& rules,
                    Findings& findings) {
  IniFile ini;
  std::string section;
  bool inSection = false;
  std::map<std::string, std::map<std::string, int>> seen;  // section -> key -> line
  int lineNo = 0;
  auto where = [&](int n) { return relative + ":" + std::to_string(n) + ": "; };
  for (std::string line : Lines(text)) {
    ++lineNo;
    if (line.size() > 2047) findings.push_back(where(lineNo) + "line longer than 2047 characters is split");
    while (!line.empty() && std::isspace((unsigned char)line.back())) line.pop_back();
    size_t start = line.find_first_not_of(" \t");
    if (start == std::string::npos || line[start] == ';' || line[start] == '#') continue;
    line = line.substr(start);
    if (line[0] == '[') {
      size_t close = line.find(']', 2);
      if (close == std::string::npos) {
        findings.push_back(where(lineNo) + "section header without \"]\"");
        continue;
      }
      section = line.substr(1, close - 1);
      inSection = true;
      if (!ini.sections.count(section)) ini.sectionOrder.push_back(section);
      ini.sections[section];
      continue;
    }
    size_t eq = line.find('=');
    std::string key = eq == std::string::npos ? "" : line.substr(0, eq);
    while (!key.empty() && std::isspace((unsigned char)key.back())) key.pop_back();
    if (eq == std::string::npos || key.empty()) {
      findings.push_back(where(lineNo) + "neither a section, a key = value nor a comment: the reader ignores it");
      continue;
    }
    if (!inSection) findings.push_back(where(lineNo) + "key \"" + key + "\" before any section header");
    if (key.size() > 255) findings.push_back(where(lineNo) + "key longer than 255 characters");
    std::string value = line.substr(eq + 1);
    size_t vs = value.find_first_not_of(" \t");
    value = vs == std::string::npos ? "" : value.substr(vs);
    if (!value.empty() && (value[0] == '"' || value[0] == '\'')) {
      size_t close = value.find(value[0], 1);
      if (close == std::string::npos) {
        findings.push_back(where(lineNo) + "quote not closed in the value of \"" + key + "\"");
        value = value.substr(1);
      } else {
        value = value.substr(1, close - 1);
      }
    } else if (rules.texts) {
      if (value.find_first_of(";#") != std::string::npos)
        findings.push_back(where(lineNo) + "\"" + key + "\": an unquoted \";\" or \"#\" cuts the text there; put it in double quotes");
      for (size_t q = value.find('"'); q != std::string::npos; q = value.find('"', q + 1)) {
        if (q == 0 || value[q - 1] != '\\') {
          findings.push_back(where(lineNo) + "\"" + key + "\": a double quote inside a text is dropped; write \\\" to keep it");
          break;
        }
      }
    }
    if (value.size() > GHashTable::kMaxValue)
      findings.push_back(where(lineNo) + "text of \"" + key + "\" longer than 2046 characters");
    auto& keys = seen[section];
    if (keys.count(key))
      findings.push_back(where(lineNo) + "key \"" + key + "\" of [" + section + "] also on line " +
                         std::to_string(keys[key]) + ": only the later one counts");
    keys[key] = lineNo;
    ini.sections[section].push_back({key, value, lineNo});
  }
  if (rules.numberedSections) {
    for (const std::string& name : ini.sectionOrder) {
      if (kNamedStringSections.count(name)) continue;
      std::set<std::string> keys;
      for (const IniEntry& e : ini.sections[name]) keys.insert(e.key);
      for (size_t i = 0; i < keys.size(); ++i) {
        if (!keys.count(std::to_string(i))) {
          findings.push_back(relative + ": [" + name + "] is read as keys 0.." + std::to_string(keys.size() - 1) +
                             " but has no key " + std::to_string(i));
          break;
        }
      }
    }
  }
  return ini;
}

IniFile ReadIni(const std::string& relative, const IniRules& rules, Findings& findings) {
  return ReadIniText(relative, testsupport::ReadFile(testsupport::RepoPath(relative)), rules, findings);
}

// A table's text as the game reads it: every "#" row must split cleanly.
void LintTableText(const std::string& relative, const std::string& text, Findings& findings) {
  CSpreadsheet sheet;
  sheet.LoadFromText(text, relative.c_str());
  if (sheet.Problems()) findings.push_back(relative + ": a line of 16384 characters or more");
  for (size_t row = 0; row < sheet.size(); ++row) {
    CSV csv;
    csv.Initialise(sheet[row], ',', sheet.Origin(row));
    while (!csv.Finished()) csv.GetNextToken();
    if (csv.Problems()) findings.push_back(sheet.Origin(row) + ": row does not split cleanly (open quote?)");
  }
}

// Data text is single-byte Windows-1252: no UTF-8 byte-order mark or multi-byte sequence.
void LintSingleByteText(const std::string& relative, const std::string& text, Findings& findings) {
  const auto* b = reinterpret_cast<const unsigned char*>(text.data());
  size_t n = text.size();
  for (size_t i = 0; i < n; ++i) {
    int follow = (b[i] >= 0xC2 && b[i] <= 0xDF) ? 1 : (b[i] >= 0xE0 && b[i] <= 0xEF) ? 2 : (b[i] >= 0xF0 && b[i] <= 0xF4) ? 3 : 0;
    if (!follow) continue;
    bool utf8 = true;
    for (int k = 1; k <= follow; ++k) utf8 = utf8 && i + k < n && (b[i + k] & 0xC0) == 0x80;
    if (utf8) {
      int line = 1 + (int)std::count(text.begin(), text.begin() + (long)i, '\n');
      findings.push_back(relative + ":" + std::to_string(line) + ": UTF-8 text; data is single-byte Windows-1252");
      return;
    }
  }
}

// ---- Reference tables: names the code uses that must exist in data ---------------------------

// Quoted literals that name keys of an ini section. Add rows as the game grows, for example the
// tuning variables ("GV_..." in the source, keys of data/config.txt) or the display names of named
// values ("nv_" + the name).
struct KeyReference {
  const char* what;
  const char* pattern;  // group 1 = the name
  const char* file;
  const char* section;
  const char* prefix;  // prepended to the name to make the key
};
const std::vector<KeyReference> kKeyReferences = {
    {"translated text", R"re(GTranslation::GetString\(\s*"([^"\\]+)"\s*\))re", "data/strings.ini", "strings", ""},
    {"tokenised text", R"re(GTranslation::GetTokenisedString\(\s*"([^"\\]+)"\s*,)re", "data/strings.ini",
     "strings", ""},
    {"tooltip", R"re(SetTooltip\(\s*"([^"\\]+)"\s*,)re", "data/strings.ini", "strings", ""},
    {"text button label", R"re(new GUI_ButtonText\(\s*"([^"\\]+)"\s*,)re", "data/strings.ini", "strings", ""},
};

// Quoted literals that name files of a data folder without their folder (script names, tutorial
// names, sounds). Add rows as the readers arrive, e.g.
//   {"script", R"re(RunScript\(\s*"([^"%]+)")re", "data/simulation/scripts/"}.
struct FileReference {
  const char* what;
  const char* pattern;  // group 1 = the file name
  const char* folder;   // relative to the repository, with its trailing "/"
};
const std::vector<FileReference> kFileReferences = {};

// Files of data/ read as ini, beyond those ending in ".ini".
const std::vector<IniRules> kIniFiles = {
    {"data/strings.ini", true, true},
    {"data/config.ziz", false, false},
    {"data/config.txt", false, false},
};

// Data files the code names that may be absent: the game runs without them.
const std::set<std::string> kOptionalFiles = {
    "data/logo.txt",    // the publisher splash shows only when it exists
    "data/cheats.txt",  // values applied at each new game, for testers
};

// ---- Checks -----------------------------------------------------------------------------------

// Every quoted "data/..." name with a data ending exists with its exact case (".dds" as ".png").
void CheckQuotedDataFiles(Findings& findings) {
  static const std::regex pattern(R"re("((?:\.(?:/|\\\\))?data(?:/|\\\\)[^"]*)")re");
  for (const Mention& lit : Mentions(SourceFiles(), pattern)) {
    std::string name = lit.name;
    std::string lower = Lower(name);
    bool dataEnding = false;
    for (const char* end : kFileEndings) dataEnding |= EndsWith(lower, end);
    if (!dataEnding || name.find_first_of("%*?") != std::string::npos) continue;
    std::string path;
    for (size_t i = 0; i < name.size(); ++i) {
      if (name[i] == '\\') {
        if (i + 1 < name.size() && name[i + 1] == '\\') ++i;
        path += '/';
      } else {
        path += name[i];
      }
    }
    while (path.rfind("./", 0) == 0) path.erase(0, 2);
    if (EndsWith(Lower(path), ".dds")) path = path.substr(0, path.size() - 4) + ".png";
    if (kOptionalFiles.count(path)) continue;
    if (!ExistsExactCase(path))
      findings.push_back(lit.Where() + ": \"" + name + "\" is not in the repository as " + path);
  }
}

// Every table reads without a warning: no over-long line, and every row splits cleanly.
void CheckTables(Findings& findings) {
  for (const fs::path& path : DataFiles({".csv"}))
    LintTableText(Relative(path), testsupport::ReadFile(path.string()), findings);
}

// Every ini file reads as meant: no ignored, cut or repeated lines.
void CheckIniFiles(Findings& findings) {
  std::vector<std::string> names;
  for (const IniRules& r : kIniFiles) names.push_back(r.file);
  for (const fs::path& path : DataFiles({".ini"})) {
    std::string rel = Relative(path);
    if (std::find(names.begin(), names.end(), rel) == names.end()) names.push_back(rel);
  }
  for (const std::string& name : names) {
    if (!fs::exists(testsupport::RepoPath(name))) continue;
    IniRules rules{name.c_str(), false, false};
    for (const IniRules& r : kIniFiles)
      if (name == r.file) rules = r;
    ReadIni(name, rules, findings);
  }
}

// The game's own reader takes the strings section without a warning.
void CheckStringsTable(Findings& findings) {
  GHashTable table;
  table.LoadSection("strings", testsupport::RepoPath("data/strings.ini").c_str());
  if (table.Problems()) findings.push_back("data/strings.ini: [strings] has cut keys or texts");
  if (table.Count() == 0) findings.push_back("data/strings.ini: [strings] is empty or unreadable");
}

// Data text files are single-byte Windows-1252.
void CheckSingleByteText(Findings& findings) {
  for (const fs::path& path : DataFiles({".csv", ".txt", ".ini", ".ziz"}))
    LintSingleByteText(Relative(path), testsupport::ReadFile(path.string()), findings);
}

// Names the code looks up in ini sections exist there.
void CheckKeyReferences(Findings& findings) {
  for (const KeyReference& ref : kKeyReferences) {
    Findings ignored;
    IniFile ini;
    if (fs::exists(testsupport::RepoPath(ref.file))) ini = ReadIni(ref.file, {ref.file, false, false}, ignored);
    std::set<std::string> keys;
    for (const IniEntry& e : ini.sections[ref.section]) keys.insert(e.key);
    for (const Mention& lit : Mentions(SourceFiles(), std::regex(ref.pattern))) {
      std::string key = ref.prefix + lit.name;
      if (!keys.count(key))
        findings.push_back(lit.Where() + ": " + ref.what + " \"" + key +
                           "\" is not a key of [" + ref.section + "] in " + ref.file);
    }
  }
}

// Names the code gives without their folder exist in that folder.
void CheckFileReferences(Findings& findings) {
  for (const FileReference& ref : kFileReferences) {
    for (const Mention& lit : Mentions(SourceFiles(), std::regex(ref.pattern))) {
      if (!ExistsExactCase(std::string(ref.folder) + lit.name))
        findings.push_back(lit.Where() + ": " + ref.what + " \"" + lit.name +
                           "\" is not in " + ref.folder);
    }
  }
}

struct LintCheck {
  const char* name;
  void (*run)(Findings&);
};

const LintCheck kChecks[] = {
    {"QuotedDataFilesExist", CheckQuotedDataFiles},
    {"TablesParse", CheckTables},
    {"IniFilesParse", CheckIniFiles},
    {"StringsTableLoads", CheckStringsTable},
    {"TextIsSingleByte", CheckSingleByteText},
    {"KeysExist", CheckKeyReferences},
    {"FilesInFoldersExist", CheckFileReferences},
};

void PrintTo(const LintCheck& check, std::ostream* os) { *os << check.name; }

class DataLint : public ::testing::TestWithParam<LintCheck> {};

TEST_P(DataLint, Clean) {
  Findings findings;
  GetParam().run(findings);
  std::string report;
  for (const std::string& f : findings) report += "  " + f + "\n";
  EXPECT_TRUE(findings.empty()) << findings.size() << " finding(s):\n" << report;
}

INSTANTIATE_TEST_SUITE_P(Data, DataLint, ::testing::ValuesIn(kChecks),
                         [](const ::testing::TestParamInfo<LintCheck>& check) { return std::string(check.param.name); });

// The lint's own readers catch what they are there to catch.
TEST(DataLintReaders, FlagBrokenData) {
  Findings ini;
  ReadIniText("t.ini",
              "key=outside\n"
              "[strings]\n"
              "A=fine\n"
              "B=cut; here\n"
              "D=say \"hi\" and \\\"kept\\\"\n"
              "C=\"open\n"
              "just words\n"
              "[broken\n"
              "[strings]\n"
              "A=again\n"
              "[Numbers]\n"
              "0=zero\n2=two\n",
              {"t.ini", true, true}, ini);
  EXPECT_EQ(ini.size(), 8u) << ::testing::PrintToString(ini);

  Findings table;
  LintTableText("t.csv", "head,\"x\n#,ok,\"a,b\"\n#,\"open\n", table);
  EXPECT_EQ(table, Findings{"t.csv:3: row does not split cleanly (open quote?)"});

  EXPECT_EQ(StripComments("a(\"x//y\"); // \"data/no.csv\"\n/* \"z\" */ b('\"');"),
            "a(\"x//y\"); " + std::string(16, ' ') + "\n" + std::string(9, ' ') + " b('\"');");

  Findings text;
  LintSingleByteText("w.txt", "price \xA3" "5\n", text);
  EXPECT_TRUE(text.empty());
  LintSingleByteText("u.txt", "ok\ncaf\xC3\xA9\n", text);
  EXPECT_EQ(text, Findings{"u.txt:2: UTF-8 text; data is single-byte Windows-1252"});
}

}  // namespace
