#include "GUI_PetAvatar.h"

#include <string>

#include "GDebug.h"
#include "GUI_Avatar.h"
#include "SIM_Asset.h"
#include "SIM_NamedValue.h"
#include "SIM_PetBase.h"

namespace {
struct Pose {
  const char* texture;
  float w, h;
  float x, y;  // the sprite's centre from the avatar's centre
};
// Each pose's picture is drawn so the pet's feet stand on the avatar's floor line.
constexpr Pose kDogPoses[GUI_PetAvatar::kMoodCount] = {
    {"dog_1.dds", 256.0f, 256.0f, 0.0f, 143.0f},
    {"dog_2.dds", 256.0f, 256.0f, -64.0f, 143.0f},
    {"dog_3.dds", 128.0f, 256.0f, -64.0f, 143.0f},
};
constexpr Pose kCatPoses[GUI_PetAvatar::kMoodCount] = {
    {"cat_1.dds", 128.0f, 128.0f, 56.0f, 192.0f},
    {"cat_2.dds", 128.0f, 256.0f, 56.0f, 128.0f},
    {"cat_3.dds", 256.0f, 128.0f, 128.0f, 192.0f},
};

void Fill(GUI_PetAvatar::PetSprite (&sprites)[GUI_PetAvatar::kMoodCount], const Pose (&poses)[GUI_PetAvatar::kMoodCount]) {
  for (int i = 0; i < GUI_PetAvatar::kMoodCount; ++i) {
    sprites[i].offsetX = poses[i].x;
    sprites[i].offsetY = poses[i].y;
    sprites[i].sprite.SetSize(poses[i].w, poses[i].h);
    sprites[i].sprite.SetTexture(poses[i].texture);
  }
}
}  // namespace

GUI_PetAvatar* GUI_GetPetAvatar() {
  static GUI_PetAvatar pet;
  return &pet;
}

GUI_PetAvatar::GUI_PetAvatar() {
  Fill(m_dog, kDogPoses);
  Fill(m_cat, kCatPoses);
}

int GUI_PetAvatar::MoodForHappiness(float happiness) {
  if (happiness < 0.33f) return 0;
  if (happiness < 0.66f) return 1;
  return 2;
}

int GUI_PetAvatar::GetMood(const char* assetName) {
  const std::string name = assetName ? assetName : "";
  auto* pet = dynamic_cast<SIM_PetBase*>(SIM_Asset::GetOwnedByName(name));
  if (!pet) {
    // The flag says the pet is there but no owned pet answers to it (a save or a script that set
    // the flag by hand): nothing is drawn rather than a pet that does not exist.
    const std::string text = "Pet avatar: the flag \"" + name + "\" is set but no " + name + " is owned; none drawn";
    GWarnOnce("petavatar:" + name, text.c_str(), __FILE__, __LINE__);
    return -1;
  }
  return MoodForHappiness(pet->GetHappiness());
}

void GUI_PetAvatar::DrawPet(const char* assetName, PetSprite (&sprites)[kMoodCount], int& mood) {
  const int found = GetMood(assetName);
  if (found < 0) return;
  mood = found;
  PetSprite& pose = sprites[mood];
  const V2 centre = GUI_GetAvatar()->GetCenter();
  pose.sprite.PlaceLocal(centre.x + pose.offsetX, centre.y + pose.offsetY);
  pose.sprite.SetVertexColor(255, 255, 255, 255);
  pose.sprite.Draw();
}

void GUI_PetAvatar::DrawDog() { DrawPet("dog", m_dog, m_dogMood); }
void GUI_PetAvatar::DrawCat() { DrawPet("cat", m_cat, m_catMood); }

void GUI_PetAvatar::Draw() {
  if (SIM_NamedValueList::Globals.IsTrue("dog")) DrawDog();
  if (SIM_NamedValueList::Globals.IsTrue("cat")) DrawCat();
}
