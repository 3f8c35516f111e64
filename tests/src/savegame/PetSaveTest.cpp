// Pets in a saved game: five pets with their names, hunger, age, mood and the dog's burglars, and
// the meals in stock, come back as they were, and the file saved again is the same. A pet the
// assets table no longer knows is skipped with one warning naming the file and line.
#include <algorithm>
#include <string>

#include "GDebug.h"
#include "SIM_Asset.h"
#include "SIM_Dog.h"
#include "SIM_Finances.h"
#include "SIM_PetBase.h"
#include "SIM_PetFood.h"
#include "SaveGameTestSupport.h"

namespace {

SIM_PetBase* Pet(const char* name) {
  SIM_PetBase* pet = SIM_PetBase::GetByName(name);
  EXPECT_NE(pet, nullptr) << name;
  return pet;
}

// Five pets in the state the description of the round trip asks for, then a night played.
void KeepFivePets() {
  savetest::PlayNights(1);
  SIM_GetFinances()->SetCash(5000.0f);
  for (const char* name : {"cat", "dog", "fish", "parrot", "hamster"}) Pet(name)->Purchase();
  auto* dog = dynamic_cast<SIM_Dog*>(Pet("dog"));
  ASSERT_NE(dog, nullptr);
  dog->SetPetName("Captain Biscuit");
  dog->AttackBurglar();
  dog->AttackBurglar();
  dog->SetHappiness(0.8f);
  Pet("hamster")->SetAge(40);
  Pet("cat")->SetDaysWithoutFood(3);
  Pet("cat")->SetHappiness(0.2f);
  Pet("parrot")->SetEveningsAlone(2);
  for (int i = 0; i < 10; ++i) SIM_PetMeal::Create("dog");
  for (int i = 0; i < 8; ++i) SIM_PetMeal::Create("fish");
  for (int i = 0; i < 5; ++i) SIM_PetMeal::Create("hamster");
  ASSERT_EQ(SIM_PetMeal::All.size(), 23u);
}

TEST(PetSave, FivePetsAndTheirMealsComeBackAndSaveTheSame) {
  KeepFivePets();
  ASSERT_TRUE(SIM_GetSaveGame()->SaveGame("pets")) << SIM_GetSaveGame()->GetLastError();
  const std::string first = savetest::SaveFile("pets");
  // The state is changed before the load, so the load has to put it back.
  Pet("dog")->SetPetName("Rover");
  Pet("hamster")->SetAge(0);
  SIM_PetFood::Open();
  ASSERT_TRUE(SIM_GetLoadGame()->LoadGame("pets")) << SIM_GetLoadGame()->GetFailureText();

  auto* dog = dynamic_cast<SIM_Dog*>(Pet("dog"));
  ASSERT_NE(dog, nullptr);
  EXPECT_TRUE(dog->IsOwned());
  EXPECT_EQ(dog->GetPetName(), "Captain Biscuit");
  EXPECT_EQ(dog->GetBurglarsAttacked(), 2);
  EXPECT_FLOAT_EQ(dog->GetHappiness(), 0.8f);
  EXPECT_EQ(Pet("hamster")->GetAge(), 40);
  EXPECT_EQ(Pet("cat")->GetDaysWithoutFood(), 3);
  EXPECT_FLOAT_EQ(Pet("cat")->GetHappiness(), 0.2f);
  EXPECT_EQ(Pet("parrot")->GetEveningsAlone(), 2);
  for (const char* name : {"cat", "dog", "fish", "parrot", "hamster"}) EXPECT_TRUE(Pet(name)->IsOwned()) << name;
  EXPECT_EQ(SIM_PetMeal::All.size(), 23u);
  EXPECT_EQ(SIM_PetMeal::GetQuantity("dog"), 10);
  EXPECT_EQ(SIM_PetMeal::GetQuantity("fish"), 8);
  EXPECT_EQ(SIM_PetMeal::GetQuantity("cat"), 0);

  ASSERT_TRUE(SIM_GetSaveGame()->SaveGame("again"));
  EXPECT_TRUE(savetest::SaveFile("again") == first) << "the file saved again differs";
  savetest::ExpectCleanLog();
}

TEST(PetSave, AnUnknownPetIsSkippedWithAWarning) {
  KeepFivePets();
  ASSERT_TRUE(SIM_GetSaveGame()->SaveGame("pets"));
  std::string text = savetest::SaveFile("pets");
  const size_t at = text.find("<name>parrot</name>", text.find("<pets>"));
  ASSERT_NE(at, std::string::npos);
  text.replace(at, std::string("<name>parrot</name>").size(), "<name>unicorn</name>");
  testsupport::WriteFile(SIM_SaveGame::PathOf("zoo"), text);
  Pet("parrot")->SetEveningsAlone(0);

  ASSERT_TRUE(SIM_GetLoadGame()->LoadGame("zoo")) << SIM_GetLoadGame()->GetFailureText();
  EXPECT_EQ(Pet("parrot")->GetEveningsAlone(), 0);  // nothing of the unknown pet was put on it
  EXPECT_EQ(Pet("dog")->GetPetName(), "Captain Biscuit");  // the pets after it still load
  EXPECT_EQ(Pet("hamster")->GetAge(), 40);
  EXPECT_EQ(SIM_PetMeal::All.size(), 23u);
  const std::string log = testsupport::ReadFile(GetDebug()->GetPath());
  // The warning names the line of the group's opening tag, the one above the name.
  const size_t line = (size_t)std::count(text.begin(), text.begin() + (long)at, '\n');
  EXPECT_NE(log.find("zoo.xml:" + std::to_string(line) + ": pet \"unicorn\" is not known; skipped"), std::string::npos)
      << log.substr(log.size() > 2000 ? log.size() - 2000 : 0);
}

}  // namespace
