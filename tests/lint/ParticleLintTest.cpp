// The data lint of the particle effects: every effect name the code asks for is the "Name" of
// exactly one file in data/particles, in its exact case, and every "TextureName" is a picture in
// data/bitmaps.
#include <gtest/gtest.h>

#include <filesystem>
#include <map>
#include <regex>
#include <set>
#include <string>
#include <vector>

#include "LintSupport.h"
#include "TestSupport.h"

namespace fs = std::filesystem;

namespace particlelint {

using namespace lint;

// The firework display picks among these three by number, so no call names them one by one.
const char* const kDisplayNames[] = {"slowsparks", "redsparks", "smallpyro"};

// The keys of a file's [config] section with their values and lines.
std::map<std::string, std::pair<std::string, int>> Config(const fs::path& path) {
  std::map<std::string, std::pair<std::string, int>> out;
  std::string section;
  int number = 0;
  for (const std::string& raw : Lines(testsupport::ReadFile(path.string()))) {
    ++number;
    const std::string line = TrimRight(raw);
    if (line.empty() || line[0] == ';' || line[0] == '#') continue;
    if (line[0] == '[') {
      section = line.substr(1, line.find(']') - 1);
      continue;
    }
    const size_t eq = line.find('=');
    if (section != "config" || eq == std::string::npos) continue;
    std::string value = line.substr(eq + 1);
    value.erase(0, value.find_first_not_of(" \t"));
    out[TrimRight(line.substr(0, eq))] = {value, number};
  }
  return out;
}

TEST(ParticleLint, EveryNameAskedForExistsOnceAndEveryTextureExists) {
  Findings findings;
  std::set<std::string> pictures;
  for (const fs::path& p : FilesUnder({"data/bitmaps"}, {".png", ".jpg", ".bmp"})) pictures.insert(p.filename());

  std::multiset<std::string> names;
  for (const fs::path& path : FilesUnder({"data/particles"}, {".txt"})) {
    const std::string where = Relative(path);
    auto config = Config(path);
    if (!config.count("Name")) findings.push_back(where + ": no \"Name\"");
    else names.insert(config["Name"].first);
    if (!config.count("TextureName")) {
      findings.push_back(where + ": no \"TextureName\"");
      continue;
    }
    const auto& [texture, line] = config["TextureName"];
    std::string file = texture;
    if (size_t dds = file.find(".dds"); dds != std::string::npos) file = file.substr(0, dds) + ".png";
    if (!pictures.count(file)) {
      findings.push_back(where + ":" + std::to_string(line) + ": texture " + texture + " is not in data/bitmaps");
    }
  }

  std::vector<std::pair<std::string, std::string>> asked;  // name, where
  for (const char* name : kDisplayNames) asked.push_back({name, "the firework display"});
  const std::regex call(R"re((?:CreateEmmiter|CacheEmmiter)\(\s*"([^"]+)")re");
  for (const Mention& m : Mentions(SourceFiles({"src"}), call)) asked.push_back({m.name, m.Where()});
  for (const auto& [name, where] : asked) {
    if (names.count(name) != 1) {
      findings.push_back(where + ": particle effect \"" + name + "\" is the Name of " +
                         std::to_string(names.count(name)) + " files in data/particles");
    }
  }
  EXPECT_TRUE(findings.empty()) << Join(findings);
}

}  // namespace particlelint
