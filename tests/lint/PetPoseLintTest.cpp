// The data lint of the pets beside the avatar: every pose the pet avatar draws has its picture, in
// exact case, at the size the sprite is drawn (a picture of another size would be stretched).
#include <gtest/gtest.h>

#include <cstdint>
#include <string>

#include "GUI_PetAvatar.h"
#include "LintSupport.h"
#include "TestSupport.h"

namespace {

using namespace lint;

// Width and height from a PNG's header; 0, 0 when it is no PNG.
void PngSize(const std::string& bytes, uint32_t& w, uint32_t& h) {
  w = h = 0;
  if (bytes.size() < 24 || bytes.compare(1, 3, "PNG") != 0) return;
  auto word = [&](size_t at) {
    return (uint32_t(uint8_t(bytes[at])) << 24) | (uint32_t(uint8_t(bytes[at + 1])) << 16) |
           (uint32_t(uint8_t(bytes[at + 2])) << 8) | uint32_t(uint8_t(bytes[at + 3]));
  };
  w = word(16);
  h = word(20);
}

TEST(PetPoseLint, EveryPoseHasItsPictureAtTheSizeItIsDrawn) {
  Findings findings;
  const GUI_PetAvatar* pets = GUI_GetPetAvatar();
  for (int mood = 0; mood < GUI_PetAvatar::kMoodCount; ++mood) {
    for (const GUI_PetAvatar::PetSprite* pose : {&pets->GetDogSprite(mood), &pets->GetCatSprite(mood)}) {
      std::string name = pose->sprite.GetTextureName();
      if (!EndsWith(name, ".dds")) {
        findings.push_back("pose " + name + ": not a .dds name");
        continue;
      }
      const std::string picture = "data/bitmaps/" + name.substr(0, name.size() - 4) + ".png";
      if (!ExistsExactCase(picture)) {
        findings.push_back(name + ": no " + picture);
        continue;
      }
      uint32_t w = 0, h = 0;
      PngSize(testsupport::ReadFile(testsupport::RepoPath(picture)), w, h);
      if (float(w) != pose->sprite.width || float(h) != pose->sprite.height)
        findings.push_back(picture + " is " + std::to_string(w) + "x" + std::to_string(h) + ", drawn at " +
                           std::to_string(int(pose->sprite.width)) + "x" + std::to_string(int(pose->sprite.height)));
    }
  }
  EXPECT_TRUE(findings.empty()) << Join(findings);
}

}  // namespace
