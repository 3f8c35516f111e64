#pragma once
// The player's dog and cat on the in-game scene, beside the avatar, in one of three poses by the
// pet's happiness (sad, content, happy). The in-game frame draws it after the avatar and before
// the weather and the contact icons, and only while no full-screen window is open.
#include "CTexturedSprite.h"

class GUI_PetAvatar {
 public:
  static constexpr int kMoodCount = 3;

  struct PetSprite {
    float offsetX = 0.0f;  // from the avatar's centre
    float offsetY = 0.0f;
    CTexturedSprite sprite;
  };

  GUI_PetAvatar();

  void Draw();  // the dog when "dog" is set, then the cat over it when "cat" is set
  void DrawDog();
  void DrawCat();

  // 0 below a happiness of 0.33, 1 below 0.66, else 2. -1 when no owned pet of that internal name
  // exists (a warning names it once; nothing is drawn).
  static int GetMood(const char* assetName);
  static int MoodForHappiness(float happiness);

  int GetDogMood() const { return m_dogMood; }
  int GetCatMood() const { return m_catMood; }
  const PetSprite& GetDogSprite(int mood) const { return m_dog[mood]; }
  const PetSprite& GetCatSprite(int mood) const { return m_cat[mood]; }

 private:
  static void DrawPet(const char* assetName, PetSprite (&sprites)[kMoodCount], int& mood);

  PetSprite m_dog[kMoodCount];
  PetSprite m_cat[kMoodCount];
  int m_dogMood = 1;
  int m_catMood = 1;
};

GUI_PetAvatar* GUI_GetPetAvatar();
