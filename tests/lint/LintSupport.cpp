#include "LintSupport.h"

#include <algorithm>
#include <cctype>

#include "CSV.h"
#include "CSpreadsheet.h"
#include "TestSupport.h"

namespace fs = std::filesystem;

namespace lint {

std::string Join(const Findings& findings) {
  std::string out;
  for (const std::string& f : findings) out += "\n  " + f;
  return out;
}

std::string Lower(std::string s) {
  for (char& c : s) c = (char)std::tolower((unsigned char)c);
  return s;
}

bool EndsWith(const std::string& s, const std::string& end) {
  return s.size() >= end.size() && s.compare(s.size() - end.size(), end.size(), end) == 0;
}

std::string TrimRight(std::string s) {
  while (!s.empty() && (s.back() == ' ' || s.back() == '\t' || s.back() == '\r' || s.back() == '\n')) s.pop_back();
  return s;
}

std::string Relative(const fs::path& p) { return fs::relative(p, testsupport::RepoPath("")).generic_string(); }

std::vector<std::string> Lines(const std::string& text) {
  std::vector<std::string> lines;
  size_t pos = 0;
  while (pos < text.size()) {
    size_t nl = text.find('\n', pos);
    if (nl == std::string::npos) nl = text.size();
    lines.push_back(text.substr(pos, nl - pos));
    pos = nl + 1;
  }
  return lines;
}

std::vector<fs::path> FilesUnder(const std::vector<std::string>& folders, const std::vector<std::string>& endings,
                                 bool anyCase) {
  std::vector<fs::path> out;
  for (const std::string& folder : folders) {
    fs::path root = testsupport::RepoPath(folder);
    if (!fs::is_directory(root)) continue;
    for (const auto& e : fs::recursive_directory_iterator(root)) {
      if (!e.is_regular_file()) continue;
      const std::string name = anyCase ? Lower(e.path().filename().string()) : e.path().filename().string();
      for (const std::string& end : endings) {
        if (EndsWith(name, anyCase ? Lower(end) : end)) {
          out.push_back(e.path());
          break;
        }
      }
    }
  }
  std::sort(out.begin(), out.end());
  return out;
}

std::vector<fs::path> SourceFiles(const std::vector<std::string>& folders) {
  return FilesUnder(folders, {".cpp", ".h"});
}

std::string StripComments(const std::string& text) {
  std::string out = text;
  enum { kCode, kString, kChar, kLine, kBlock } state = kCode;
  for (size_t i = 0; i < text.size(); ++i) {
    const char c = text[i], next = i + 1 < text.size() ? text[i + 1] : '\0';
    switch (state) {
      case kCode:
        if (c == '"') state = kString;
        else if (c == '\'') state = kChar;
        else if (c == '/' && next == '/') state = kLine;
        else if (c == '/' && next == '*') state = kBlock;
        break;
      case kString:
      case kChar:
        if (c == '\\') ++i;
        else if ((state == kString && c == '"') || (state == kChar && c == '\'') || c == '\n') state = kCode;
        break;
      case kLine:
        if (c == '\n') state = kCode;
        break;
      case kBlock:
        if (c == '*' && next == '/') {
          out[i] = out[i + 1] = ' ';
          ++i;
          state = kCode;
          continue;
        }
        break;
    }
    if ((state == kLine || state == kBlock) && out[i] != '\n') out[i] = ' ';
  }
  return out;
}

std::vector<Mention> Mentions(const std::vector<fs::path>& files, const std::regex& pattern) {
  std::vector<Mention> out;
  for (const fs::path& path : files) {
    const std::string ext = path.extension().string();
    std::string text = testsupport::ReadFile(path.string());
    if (ext == ".cpp" || ext == ".h") text = StripComments(text);
    const std::string rel = Relative(path);
    const std::vector<std::string> lines = Lines(text);
    for (size_t i = 0; i < lines.size(); ++i) {
      for (std::sregex_iterator it(lines[i].begin(), lines[i].end(), pattern), end; it != end; ++it)
        out.push_back({rel, int(i) + 1, (*it)[1].str()});
    }
  }
  return out;
}

std::map<std::string, std::vector<int>> IniKeys(const std::string& relative, const std::string& wanted) {
  std::map<std::string, std::vector<int>> keys;
  const std::vector<std::string> lines = Lines(testsupport::ReadFile(testsupport::RepoPath(relative)));
  std::string section;
  for (size_t i = 0; i < lines.size(); ++i) {
    std::string line = lines[i];
    size_t start = line.find_first_not_of(" \t\r");
    if (start == std::string::npos || line[start] == ';' || line[start] == '#') continue;
    line = line.substr(start);
    if (line[0] == '[') {
      size_t close = line.find(']');
      section = close == std::string::npos ? "" : line.substr(1, close - 1);
      continue;
    }
    size_t eq = line.find('=');
    if (eq == std::string::npos || section != wanted) continue;
    std::string key = line.substr(0, eq);
    while (!key.empty() && std::isspace((unsigned char)key.back())) key.pop_back();
    keys[key].push_back(int(i) + 1);
  }
  return keys;
}

bool ExistsExactCase(const std::string& relative) {
  fs::path at = testsupport::RepoPath("");
  for (const fs::path& part : fs::path(relative)) {
    bool found = false;
    if (fs::is_directory(at)) {
      for (const auto& entry : fs::directory_iterator(at)) found |= entry.path().filename() == part;
    }
    if (!found) return false;
    at /= part;
  }
  return true;
}

std::set<std::string> PlayerValues() {
  std::set<std::string> names;
  for (const char* table : {"data/simulation/attributes.csv", "data/simulation/skills.csv"}) {
    CSpreadsheet sheet(testsupport::RepoPath(table).c_str());
    for (const std::string& row : sheet) {
      CSV csv;
      csv.Initialise(row.c_str(), ',');
      csv.GetNextToken();
      names.insert(csv.GetNextString());
    }
  }
  return names;
}

}  // namespace lint
