// After a load the dog and the cat stand beside the avatar in the pose their saved mood gives.
#include <string>
#include <vector>

#include "D3DEngine.h"
#include "DrawRecorder.h"
#include "GUI_PetAvatar.h"
#include "SIM_Finances.h"
#include "SIM_PetBase.h"
#include "SaveGameTestSupport.h"

namespace {

std::vector<std::string> DrawnPets() {
  D3DEngine::GetRecorder().Clear();
  GUI_GetPetAvatar()->Draw();
  std::vector<std::string> out;
  for (const DrawRecord& r : D3DEngine::GetRecorder().Filter(DrawKind::Quad)) out.push_back(r.texture);
  return out;
}

bool Names(const std::string& texture, const char* pose) { return texture.find(pose) != std::string::npos; }

TEST(PetPoseSave, AfterTheLoadTheDogAndTheCatStandInTheirSavedPoses) {
  savetest::PlayNights(1);
  SIM_GetFinances()->SetCash(5000.0f);
  SIM_PetBase* dog = SIM_PetBase::GetByName("dog");
  SIM_PetBase* cat = SIM_PetBase::GetByName("cat");
  ASSERT_NE(dog, nullptr);
  ASSERT_NE(cat, nullptr);
  dog->Purchase();
  cat->Purchase();
  dog->SetHappiness(0.8f);
  cat->SetHappiness(0.2f);
  ASSERT_TRUE(SIM_GetSaveGame()->SaveGame("poses")) << SIM_GetSaveGame()->GetLastError();

  dog->SetHappiness(0.1f);
  cat->SetHappiness(0.9f);
  std::vector<std::string> drawn = DrawnPets();
  ASSERT_EQ(drawn.size(), 2u);
  EXPECT_TRUE(Names(drawn[0], "dog_1")) << drawn[0];
  EXPECT_TRUE(Names(drawn[1], "cat_3")) << drawn[1];

  ASSERT_TRUE(SIM_GetLoadGame()->LoadGame("poses")) << SIM_GetLoadGame()->GetFailureText();
  drawn = DrawnPets();
  ASSERT_EQ(drawn.size(), 2u);
  EXPECT_TRUE(Names(drawn[0], "dog_3")) << drawn[0];
  EXPECT_TRUE(Names(drawn[1], "cat_1")) << drawn[1];
  EXPECT_EQ(GUI_GetPetAvatar()->GetDogMood(), 2);
  EXPECT_EQ(GUI_GetPetAvatar()->GetCatMood(), 0);
  savetest::ExpectCleanLog();
}

}  // namespace
