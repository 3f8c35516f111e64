// The data lint of the pets: each kind and each food has one row under its key with the name the
// code looks up, in the pets department, each pet with a sound of its own; the sounds and stored
// scripts the code names are there; the mood scales have their five words and the small talk
// about a dead hamster has its lines.
#include <gtest/gtest.h>

#include <map>
#include <string>

#include "LintSupport.h"

namespace {

using lint::Findings;

TEST(PetLint, EveryPetAndFoodHasOneRowWithItsName) {
  const std::map<std::string, std::string> keys = {
      {"sim_cat", "cat"},         {"sim_dog", "dog"},         {"sim_fish", "fish"},
      {"sim_parrot", "parrot"},   {"sim_hamster", "hamster"}, {"sim_catfood", "catfood"},
      {"sim_dogfood", "dogfood"}, {"sim_fishfood", "fishfood"}, {"sim_parrotfood", "parrotfood"},
      {"sim_hamsterfood", "hamsterfood"}};
  std::map<std::string, int> seen;
  Findings findings;
  for (const lint::Row& row : lint::TableRows("data/simulation/assets.csv")) {
    const auto& f = row.fields;
    if (f.size() < 7) continue;
    auto key = keys.find(f[0]);
    if (key == keys.end()) continue;
    ++seen[f[0]];
    if (f[1] != key->second)
      findings.push_back(row.origin + ": " + f[0] + " is named \"" + f[1] + "\", not \"" + key->second + "\"");
    if (f[3] != "pets") findings.push_back(row.origin + ": " + f[0] + " is not in the pets department");
    const bool food = lint::EndsWith(f[0], "food");
    if (!food && f[6].empty()) findings.push_back(row.origin + ": " + f[0] + " has no sound");
  }
  for (const auto& key : keys) {
    if (seen[key.first] != 1) findings.push_back(key.first + ": " + std::to_string(seen[key.first]) + " rows");
  }
  EXPECT_TRUE(findings.empty()) << lint::Join(findings);
}

TEST(PetLint, TheSoundsAndScriptsTheCodeNamesExist) {
  Findings findings;
  for (const char* file : {"data/sounds/dog_bark.ogg", "data/sounds/dog_angry.ogg", "data/sounds/parrot.wav",
                           "data/simulation/scripts/cat_left_home.txt", "data/simulation/scripts/dog_left_home.txt",
                           "data/simulation/scripts/fish_died.txt"}) {
    if (!lint::ExistsExactCase(file)) findings.push_back(std::string(file) + " is missing");
  }
  EXPECT_TRUE(findings.empty()) << lint::Join(findings);
}

TEST(PetLint, MoodScalesAndHamsterTalkHaveTheirWords) {
  for (const char* section : {"DOG_MOOD", "CAT_MOOD"}) {
    const auto keys = lint::IniKeys("data/strings.ini", section);
    for (int band = 0; band < 5; ++band) EXPECT_TRUE(keys.count(std::to_string(band))) << section << " " << band;
    EXPECT_EQ(keys.size(), 5u) << section;
  }
  EXPECT_GE(lint::IniKeys("data/strings.ini", "SMALLTALK_HAMSTERDEATH").size(), 3u);
}

}  // namespace
