#pragma once
// What the data lints share: the repository's source and data files, read line by line and
// scanned for the names they mention, and the small string helpers the checks are written in.
// Paths given as strings are relative to the repository.
#include <filesystem>
#include <map>
#include <regex>
#include <set>
#include <string>
#include <vector>

namespace lint {

// What a check found, one line each ("file:line: what is wrong").
using Findings = std::vector<std::string>;

// The findings for a failure message: each on a line of its own, indented.
std::string Join(const Findings& findings);

std::string Lower(std::string s);
bool EndsWith(const std::string& s, const std::string& end);
// Without trailing blanks, tabs, CRs and LFs.
std::string TrimRight(std::string s);

// The path relative to the repository, with "/" between its parts.
std::string Relative(const std::filesystem::path& p);

// The lines of a text, split at "\n" (a CR before it is kept); a final "\n" ends the last line
// rather than starting an empty one.
std::vector<std::string> Lines(const std::string& text);

// The regular files under the folders (a missing folder has none) whose names end with one of the
// endings, case-insensitively where asked, sorted.
std::vector<std::filesystem::path> FilesUnder(const std::vector<std::string>& folders,
                                              const std::vector<std::string>& endings, bool anyCase = false);

// The source files (".cpp" and ".h") of the game and the engine.
std::vector<std::filesystem::path> SourceFiles(const std::vector<std::string>& folders = {"platform", "libsrc", "src"});

// The text with its comments blanked (line breaks and strings kept), so that an example in a
// comment is not taken for a use.
std::string StripComments(const std::string& text);

// A place where a file names something.
struct Mention {
  std::string file;  // relative to the repository
  int line;
  std::string name;  // the pattern's first group, as written
  std::string Where() const { return file + ":" + std::to_string(line); }
};

// Every match of the pattern in the files, line by line; in source files outside comments.
std::vector<Mention> Mentions(const std::vector<std::filesystem::path>& files, const std::regex& pattern);

// The keys of one section of an ini file with the line of each occurrence, the way the game's ini
// parser sees them (comments ";" and "#", a section header may come more than once).
std::map<std::string, std::vector<int>> IniKeys(const std::string& relative, const std::string& section);

// Whether the file is there with exactly this case in every part of its path (the game's own file
// lookups match case exactly).
bool ExistsExactCase(const std::string& relative);

// The names of the player's values: the attributes and the skills.
std::set<std::string> PlayerValues();

}  // namespace lint
