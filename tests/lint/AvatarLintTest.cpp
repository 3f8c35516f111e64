// The data lint of the player's figure: the layer files and presets. Every GUI name the code, a
// preset or a "ChildName" asks for exists once, in its exact case, in the slot asked for; every
// texture exists; each slot has a layer for each gender, the first of them plain; a preset dresses
// the figure in one gender.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <map>
#include <set>
#include <string>
#include <vector>

#include "LintSupport.h"
#include "TestSupport.h"

namespace fs = std::filesystem;

namespace {

using namespace lint;

const char* const kSlots[] = {"AVATAR_HAIRBOTTOM", "AVATAR_COATBEHIND",    "AVATAR_SKIN",       "AVATAR_GLASSES",
                              "AVATAR_HAIRTOP",    "AVATAR_SHOES",         "AVATAR_CLOTHESBOTTOM", "AVATAR_CLOTHESTOP",
                              "AVATAR_TIE",        "AVATAR_COAT"};

// The names the code itself asks for (work clothes and designer sunglasses), with their slots.
const std::pair<const char*, const char*> kCodeNames[] = {
    {"Male Coat Behind None", "AVATAR_COATBEHIND"}, {"Mans Suit Shoes", "AVATAR_SHOES"},
    {"Mans Suit Trousers", "AVATAR_CLOTHESBOTTOM"},  {"Mans Suit Shirt", "AVATAR_CLOTHESTOP"},
    {"Mans Suit Jacket", "AVATAR_COAT"},             {"Mans Tie 2", "AVATAR_TIE"},
    {"Woman's sunglasses", "AVATAR_GLASSES"},        {"Man's Sunglasses", "AVATAR_GLASSES"},
};

// One section of an ini file as the game reads it: "key = value", comments and blanks skipped.
std::map<std::string, std::pair<std::string, int>> Section(const std::string& relative, const std::string& name) {
  std::map<std::string, std::pair<std::string, int>> out;
  std::string current;
  int number = 0;
  for (const std::string& raw : Lines(testsupport::ReadFile(testsupport::RepoPath(relative)))) {
    ++number;
    std::string line = TrimRight(raw);
    if (line.empty() || line[0] == ';' || line[0] == '#') continue;
    if (line[0] == '[') {
      current = line.substr(1, line.find(']') - 1);
      continue;
    }
    size_t eq = line.find('=');
    if (current != name || eq == std::string::npos) continue;
    std::string key = TrimRight(line.substr(0, eq));
    std::string value = line.substr(eq + 1);
    value.erase(0, value.find_first_not_of(" \t"));
    out[key] = {value, number};
  }
  return out;
}

struct Layer {
  std::string file;  // relative to the repository
  std::string name, type, childType, childName;
  char gender = 'm';
  bool none = false;  // a "none" layer: a lone gender letter and nothing drawn
  std::vector<std::pair<std::string, int>> textures;  // with the line of each
};

// The layers in the game's load order: folders by name, files by name within each.
std::vector<Layer> ReadLayers(Findings& findings) {
  std::vector<Layer> layers;
  std::vector<fs::path> folders;
  for (const auto& e : fs::directory_iterator(testsupport::RepoPath("data/avatarlayers")))
    if (e.is_directory()) folders.push_back(e.path());
  std::sort(folders.begin(), folders.end());
  for (const fs::path& folder : folders) {
    for (const fs::path& file : FilesUnder({Relative(folder)}, {".txt"})) {
      const std::string rel = Relative(file);
      auto config = Section(rel, "config");
      Layer layer;
      layer.file = rel;
      layer.name = config["GUIName"].first;
      layer.type = config["Type"].first;
      layer.childType = config["ChildType"].first;
      layer.childName = config["ChildName"].first;
      const std::string normal = config["Texture"].first;
      layer.gender = !normal.empty() && normal[0] == 'f' ? 'f' : 'm';
      layer.none = normal.size() == 1;
      if (!layer.none) {
        for (const char* key : {"Texture", "TextureHappy", "TextureSad"}) {
          if (config[key].first.empty()) findings.push_back(rel + ": " + key + " is empty");
          else layer.textures.push_back({config[key].first, config[key].second});
        }
      }
      if (std::find(std::begin(kSlots), std::end(kSlots), layer.type) == std::end(kSlots))
        findings.push_back(rel + ":" + std::to_string(config["Type"].second) + ": Type \"" + layer.type +
                           "\" names no slot");
      for (const char* key : {"Width", "Height"})
        if (config[key].first.empty()) findings.push_back(rel + ": no " + key);
      if (layer.name.empty()) findings.push_back(rel + ": no GUIName");
      layers.push_back(layer);
    }
  }
  return layers;
}

// The one layer of that name, of that slot; a finding for none, more than one or another slot.
void ExpectOne(const std::vector<Layer>& layers, const std::string& name, const std::string& slot,
               const std::string& askedBy, Findings& findings) {
  int count = 0;
  for (const Layer& layer : layers) {
    if (layer.name != name) {
      if (Lower(layer.name) == Lower(name)) findings.push_back(askedBy + ": \"" + name + "\" differs in case from " + layer.file);
      continue;
    }
    ++count;
    if (layer.type != slot) findings.push_back(askedBy + ": \"" + name + "\" is a " + layer.type + ", not " + slot);
  }
  if (count != 1)
    findings.push_back(askedBy + ": \"" + name + "\" exists " + std::to_string(count) + " times among the layers");
}

TEST(AvatarLint, LayersNameTheirSlotsTexturesAndChildren) {
  Findings findings;
  const std::vector<Layer> layers = ReadLayers(findings);
  EXPECT_GE(layers.size(), 60u);
  EXPECT_LE(layers.size(), 100u);

  std::set<std::string> pictures;
  for (const fs::path& p : FilesUnder({"data/bitmaps"}, {".png", ".jpg", ".bmp", ".dds"})) pictures.insert(p.filename());
  for (const Layer& layer : layers) {
    for (const auto& [texture, line] : layer.textures) {
      std::string file = texture;
      if (size_t dds = file.find(".dds"); dds != std::string::npos) file = file.substr(0, dds) + ".png";
      const std::string where = layer.file + ":" + std::to_string(line);
      if (!pictures.count(file)) findings.push_back(where + ": texture " + texture + " is not in data/bitmaps");
      if (texture[0] != layer.gender) findings.push_back(where + ": texture " + texture + " is of the other gender");
    }
    if (!layer.childName.empty()) ExpectOne(layers, layer.childName, layer.childType, layer.file, findings);
  }
  for (const auto& [name, slot] : kCodeNames) ExpectOne(layers, name, slot, "the code", findings);

  // The code's table holds the names the code asks for.
  const std::string code = testsupport::ReadFile(testsupport::RepoPath("src/front_end/GUI_Avatar.cpp"));
  for (const auto& [name, slot] : kCodeNames)
    if (code.find("\"" + std::string(name) + "\"") == std::string::npos)
      findings.push_back(std::string("GUI_Avatar.cpp no longer asks for \"") + name + "\"");

  // Each slot has layers of both genders; the first of a gender is the plain one.
  for (const char* slot : kSlots) {
    for (char gender : {'m', 'f'}) {
      auto first = std::find_if(layers.begin(), layers.end(),
                                [&](const Layer& l) { return l.type == slot && l.gender == gender; });
      if (first == layers.end()) {
        findings.push_back(std::string(slot) + " has no layer for " + gender);
        continue;
      }
      const std::string s = slot;
      const bool optional = s == "AVATAR_GLASSES" || s == "AVATAR_TIE" || s == "AVATAR_COAT" ||
                            s == "AVATAR_HAIRBOTTOM" || s == "AVATAR_COATBEHIND";
      if (optional && !first->none) findings.push_back(first->file + ": the first " + slot + " of its gender is not plain");
    }
  }
  EXPECT_TRUE(findings.empty()) << Join(findings);
}

TEST(AvatarLint, PresetsNameTenLayersOfOneGender) {
  Findings findings;
  const std::vector<Layer> layers = ReadLayers(findings);
  const std::vector<fs::path> presets = FilesUnder({"data/avatarpresets"}, {".txt"});
  EXPECT_GE(presets.size(), 4u);
  for (const fs::path& p : presets) {
    const std::string rel = Relative(p);
    auto textures = Section(rel, "textures");
    auto colours = Section(rel, "colors");
    std::set<char> genders;
    for (const char* slot : kSlots) {
      const auto& [name, line] = textures[slot];
      const std::string where = rel + ":" + std::to_string(line);
      ExpectOne(layers, name, slot, where, findings);
      for (const Layer& layer : layers)
        if (layer.name == name) genders.insert(layer.gender);
      if (colours[slot].first.empty()) findings.push_back(rel + ": no colour for " + slot);
    }
    if (genders.size() != 1) findings.push_back(rel + ": dresses the figure in both genders");
  }
  EXPECT_TRUE(findings.empty()) << Join(findings);
}

}  // namespace
