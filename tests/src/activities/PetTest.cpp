// Pets: hungry days up to the loss (or the cat that eats the fish), ten meals a bag and the note
// below three, the cat's happiness capped by its basket and post, the dog's evenings and burglars,
// the old hamster's sudden death, and the walk in the park by weather, umbrella and dog. Each test
// starts a fresh game with the game's own assets table.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "GDebug.h"
#include "GTranslation.h"
#include "GUI_EventList.h"
#include "GUI_Message.h"
#include "GUI_Postit.h"
#include "GUI_WindowManager.h"
#include "HeadlessPlayer.h"
#include "SIM_Asset.h"
#include "SIM_Attribute.h"
#include "SIM_Crime.h"
#include "SIM_Dog.h"
#include "SIM_Finances.h"
#include "SIM_GlobalVariable.h"
#include "SIM_NamedValue.h"
#include "SIM_PetBase.h"
#include "SIM_PetFood.h"
#include "SIM_Script.h"
#include "SIM_SmallTalk.h"
#include "SIM_Vede.h"
#include "SIM_WalkPark.h"
#include "SIM_Weather.h"
#include "TestSupport.h"

namespace {

class Pets : public ::testing::Test {
 protected:
  void SetUp() override {
    HeadlessPlayer::StartNewGame(5);
    SIM_GetFinances()->SetCash(5000.0f);
    SIM_GetScript()->RunStoredScripts();
    for (GUI_WindowBase* window : Messages()) delete window;
  }
  static SIM_PetBase* Pet(const char* name) {
    SIM_PetBase* pet = SIM_PetBase::GetByName(name);
    EXPECT_NE(pet, nullptr) << name;
    return pet;
  }
  static void Feed(const char* animal, int bags = 1) {
    auto* food = dynamic_cast<SIM_PetFood*>(SIM_Asset::GetByName(std::string(animal) + "food"));
    ASSERT_NE(food, nullptr) << animal;
    for (int i = 0; i < bags; ++i) food->Purchase();
  }
  static std::vector<GUI_WindowBase*> Messages() {
    std::vector<GUI_WindowBase*> found;
    for (GUI_WindowBase* window : GUI_GetWindowManager()->GetWindows()) {
      if (dynamic_cast<GUI_Message*>(window)) found.push_back(window);
    }
    return found;
  }
  static std::string LastMessage() {
    std::vector<GUI_WindowBase*> found = Messages();
    return found.empty() ? "" : static_cast<GUI_Message*>(found.back())->GetText();
  }
  static std::string Text(const char* key, const std::string& name = "") {
    std::string text = GTranslation::GetString(key);
    GTranslation::ReplaceToken(text, "<PETNAME>", name);
    GTranslation::ReplaceToken(text, "<DOGNAME>", name);
    return text;
  }
  static std::string Log() { return testsupport::ReadFile(GetDebug()->GetPath()); }
  // How many of the player's effects on a value come from the cause.
  static size_t EffectsFrom(const char* value, const char* cause) {
    auto* attribute = dynamic_cast<SIM_Attribute*>(SIM_GetVede()->GetNamedValue(value, false));
    if (!attribute) return 0;
    size_t count = 0;
    for (SIM_Effect* effect : attribute->GetEffects()) count += effect->GetDebugName() == cause;
    return count;
  }
};

struct HungerCase {
  const char* pet;
  const char* lostText;
  const char* script;  // stored for after the processing, or ""
};

TEST_F(Pets, APetWithoutFoodIsLostOnItsFifthHungryDay) {
  const HungerCase cases[] = {{"cat", "CAT_LOST_TEXT", "cat_left_home.txt"},
                              {"dog", "DOG_LOST_TEXT", "dog_left_home.txt"},
                              {"fish", "FISH_LOST_TEXT", "fish_died.txt"},
                              {"parrot", "PARROT_LOST_TEXT", ""},
                              {"hamster", "HAMSTER_LOST_TEXT", ""}};
  for (const HungerCase& c : cases) {
    SCOPED_TRACE(c.pet);
    SIM_PetBase* pet = Pet(c.pet);
    pet->Purchase();
    ASSERT_EQ(SIM_NamedValueList::Globals.GetValue(c.pet), 1.0f);
    for (int day = 1; day <= 4; ++day) {
      pet->Process();
      EXPECT_EQ(pet->GetDaysWithoutFood(), day);
      EXPECT_TRUE(pet->IsOwned());
      EXPECT_NE(pet->GetReminder(), nullptr);  // the food note is up from the first day
    }
    const size_t renown = EffectsFrom("vorla", "vorla");
    pet->Process();
    EXPECT_FALSE(pet->IsOwned());
    EXPECT_EQ(SIM_NamedValueList::Globals.GetValue(c.pet), 0.0f);
    EXPECT_EQ(pet->GetDaysWithoutFood(), 0);
    EXPECT_EQ(pet->GetReminder(), nullptr);
    EXPECT_EQ(LastMessage(), Text(c.lostText, pet->GetPetName()));
    const std::vector<std::string>& stored = SIM_GetScript()->GetStoredScripts();
    if (*c.script) {
      ASSERT_FALSE(stored.empty());
      EXPECT_EQ(stored.back(), c.script);
    } else {
      EXPECT_TRUE(stored.empty());
      EXPECT_EQ(EffectsFrom("vorla", "vorla"), renown + 1);  // the town heard about it
    }
    SIM_GetScript()->RunStoredScripts();
  }
}

TEST_F(Pets, AStarvingCatEatsTheFishAndStartsAgain) {
  SIM_PetBase* cat = Pet("cat");
  SIM_PetBase* fish = Pet("fish");
  fish->Purchase();
  cat->Purchase();
  Feed("fish");
  for (int day = 1; day <= 4; ++day) cat->Process();
  cat->Process();
  EXPECT_TRUE(cat->IsOwned());
  EXPECT_EQ(cat->GetDaysWithoutFood(), 0);
  EXPECT_FALSE(fish->IsOwned());
  EXPECT_EQ(SIM_NamedValueList::Globals.GetValue("fish"), 0.0f);
  EXPECT_EQ(LastMessage(), Text("CAT_ATEFISH_TEXT", cat->GetPetName()));
  ASSERT_EQ(SIM_GetScript()->GetStoredScripts().size(), 1u);
  EXPECT_EQ(SIM_GetScript()->GetStoredScripts()[0], "fish_died.txt");
  cat->Process();
  EXPECT_EQ(cat->GetDaysWithoutFood(), 1);  // the count starts again; no fish is left to eat
  for (int day = 2; day <= 5; ++day) cat->Process();
  EXPECT_FALSE(cat->IsOwned());
  EXPECT_EQ(LastMessage(), Text("CAT_LOST_TEXT", cat->GetPetName()));
}

// A "fish" flag left without a fish (an old save, a script): the cat is lost as usual, with one
// warning, and no fish is eaten.
TEST_F(Pets, AFishFlagWithoutAFishLosesTheCat) {
  SIM_PetBase* cat = Pet("cat");
  cat->Purchase();
  SIM_NamedValueList::ForceGlobal("fish", 1.0f);
  for (int day = 1; day <= 5; ++day) cat->Process();
  EXPECT_FALSE(cat->IsOwned());
  EXPECT_EQ(LastMessage(), Text("CAT_LOST_TEXT", cat->GetPetName()));
  EXPECT_NE(Log().find("\"fish\" is set but no fish is owned"), std::string::npos);
}

TEST_F(Pets, ABagOfFoodIsTenMealsAndTheNoteComesBackBelowThree) {
  SIM_PetBase* dog = Pet("dog");
  dog->Purchase();
  Feed("dog");
  EXPECT_EQ(SIM_PetMeal::GetQuantity("dog"), 10);
  EXPECT_EQ(dog->GetMealsLeft(), 10);
  for (int day = 1; day <= 7; ++day) {
    dog->Process();
    EXPECT_EQ(SIM_PetMeal::GetQuantity("dog"), 10 - day);
    EXPECT_EQ(dog->GetReminder(), nullptr) << "day " << day;
    EXPECT_EQ(dog->GetDaysWithoutFood(), 0);
  }
  dog->Process();
  EXPECT_EQ(SIM_PetMeal::GetQuantity("dog"), 2);
  ASSERT_NE(dog->GetReminder(), nullptr);
  Feed("dog");  // the note goes with the purchase
  EXPECT_EQ(dog->GetReminder(), nullptr);
  EXPECT_EQ(SIM_PetMeal::GetQuantity("dog"), 12);
  EXPECT_EQ(SIM_PetMeal::GetQuantity("cat"), 0);  // each bag feeds its own animal
  // The day's end closes every note; the pets forget theirs.
  dog->SetHappiness(0.5f);
  for (int day = 0; day < 10; ++day) dog->Process();
  ASSERT_NE(dog->GetReminder(), nullptr);
  GUI_Postit::Close();
  EXPECT_EQ(dog->GetReminder(), nullptr);
}

TEST_F(Pets, TheCatsHappinessStopsAtItsBasketAndPost) {
  struct Case {
    bool bed, post;
    float cap;
  } cases[] = {{false, false, 0.5f}, {true, false, 0.75f}, {false, true, 0.75f}, {true, true, 1.0f}};
  SIM_PetBase* cat = Pet("cat");
  cat->Purchase();
  Feed("cat");
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message() << "bed " << c.bed << " post " << c.post);
    SIM_NamedValueList::ForceGlobal("catbed", c.bed ? 1.0f : 0.0f);
    SIM_NamedValueList::ForceGlobal("catpost", c.post ? 1.0f : 0.0f);
    cat->SetHappiness(0.0f);
    for (int evening = 0; evening < 6; ++evening) SIM_PetBase::SpendTimeAll();
    EXPECT_FLOAT_EQ(cat->GetHappiness(), c.cap);
    EXPECT_FLOAT_EQ(cat->GetEffectiveness(), c.cap);  // its daily script by its mood
  }
  // With no meal left an evening at home leaves it at 0.
  SIM_PetFood::Open();
  SIM_PetBase::SpendTimeAll();
  EXPECT_FLOAT_EQ(cat->GetHappiness(), 0.0f);
}

TEST_F(Pets, AnEveningAtHomeEndsLonelinessAndTheDaysFallBack) {
  SIM_PetBase* dog = Pet("dog");
  dog->Purchase();
  Feed("dog", 3);
  const float lonelyDays = SIM_GetGlobalVariables()->Get("PET_LONELY_DAYS");
  bool lonely = false;
  float before = dog->GetHappiness();
  for (int day = 1; day <= (int)lonelyDays + 1; ++day) {
    GUI_GetEventList()->Clear();
    dog->Process();
    EXPECT_LE(dog->GetHappiness(), before);
    before = dog->GetHappiness();
    lonely = GUI_GetEventList()->HasEvent("EVENT_DOG_LONELY");
    EXPECT_EQ(lonely, day > lonelyDays) << "day " << day;
  }
  EXPECT_TRUE(dog->IsLonely());
  EXPECT_TRUE(GUI_GetEventList()->HasAfterWorkEvent());
  // An evening at home reaches every pet, owned or not.
  for (SIM_PetBase* pet : SIM_PetBase::All) pet->SetEveningsAlone(7);
  SIM_GetScript()->RunScript("Call(homewithpets)", 1.0f);
  for (SIM_PetBase* pet : SIM_PetBase::All) EXPECT_EQ(pet->GetEveningsAlone(), 0) << pet->GetName();
  EXPECT_GT(dog->GetHappiness(), before);
  EXPECT_FLOAT_EQ(dog->GetEffectiveness(), 1.0f);
  SIM_PetFood::Open();
  EXPECT_FLOAT_EQ(dog->GetEffectiveness(), 0.0f);
}

TEST_F(Pets, OnlyTheCatAndTheDogCanBeRenamed) {
  for (SIM_PetBase* pet : SIM_PetBase::All) {
    const bool expected = pet->GetName() == "cat" || pet->GetName() == "dog";
    EXPECT_EQ(pet->IsRenameable(), expected) << pet->GetName();
  }
  EXPECT_EQ(SIM_PetBase::All.size(), 5u);
  EXPECT_EQ(Pet("dog")->GetPetName(), "Rover");
  EXPECT_EQ(Pet("cat")->GetPetName(), "Vede");
}

TEST_F(Pets, AnOldHamsterCanDieSuddenly) {
  SIM_PetBase* hamster = Pet("hamster");
  hamster->Purchase();
  // Never at 28 days or younger, however often the draw is made.
  for (int day = 0; day < 1000; ++day) {
    if (SIM_PetMeal::GetQuantity("hamster") < 5) Feed("hamster");
    hamster->SetAge(27);
    hamster->Process();
    ASSERT_TRUE(hamster->IsOwned());
  }
  // Past 28 the one-in-a-hundred draw comes up sooner or later.
  int days = 0;
  while (hamster->IsOwned() && days < 5000) {
    if (SIM_PetMeal::GetQuantity("hamster") < 5) Feed("hamster");
    hamster->SetAge(28);
    hamster->Process();
    ++days;
  }
  ASSERT_FALSE(hamster->IsOwned());
  EXPECT_EQ(LastMessage(), Text("HAMSTER_SUDDENDEATH_TEXT", hamster->GetPetName()));
  EXPECT_EQ(EffectsFrom("happiness", "pet died"), 1u);
  bool talk = false;
  for (const SIM_SmallTalkEvent* event : SIM_GetSmallTalk()->GetTempEvents())
    talk |= event->key == "SMALLTALK_HAMSTERDEATH";
  EXPECT_TRUE(talk);
}

TEST_F(Pets, TheDogCountsTheBurglarsItDrivesOff) {
  auto* dog = dynamic_cast<SIM_Dog*>(Pet("dog"));
  ASSERT_NE(dog, nullptr);
  dog->Purchase();
  SIM_GetCrime()->Burgled();
  SIM_GetCrime()->Burgled();
  EXPECT_EQ(dog->GetBurglarsAttacked(), 2);
  EXPECT_TRUE(GUI_GetEventList()->HasEvent("EVENT_DOGDEFENDED"));
  dog->Purchase();  // a dog bought again starts counting again
  EXPECT_EQ(dog->GetBurglarsAttacked(), 0);
}

// A "dog" flag without a dog (an old save): the burglar is still driven off, the walk is one
// without a dog, each with one warning, and nothing crashes.
TEST_F(Pets, ADogFlagWithoutADog) {
  SIM_NamedValueList::ForceGlobal("dog", 1.0f);
  SIM_GetCrime()->Burgled();
  EXPECT_TRUE(GUI_GetEventList()->HasEvent("EVENT_DOGDEFENDED"));
  EXPECT_EQ(dynamic_cast<SIM_Dog*>(Pet("dog"))->GetBurglarsAttacked(), 0);
  SIM_GetWeather()->SetNewWeather(SIM_Weather::WEATHER_CLOUD);
  EXPECT_FLOAT_EQ(SIM_WalkPark::WalkInPark(), 0.8f);
  EXPECT_EQ(LastMessage(), Text("WALKINPARK_DEFAULT"));
  const std::string log = Log();
  EXPECT_NE(log.find("Crime: the value \"dog\" is set but no dog is owned"), std::string::npos);
  EXPECT_NE(log.find("Walk in the park: the value \"dog\" is set but no dog is owned"), std::string::npos);
}

TEST_F(Pets, AWalkInTheParkByWeatherUmbrellaAndDog) {
  struct Case {
    int weather;
    float rain;
    bool umbrella, dog;
    float enjoyment;
    const char* text;
  } cases[] = {
      {SIM_Weather::WEATHER_SUN, 0.0f, false, true, 1.0f, "WALKINPARK_SUNNY"},
      {SIM_Weather::WEATHER_SUN, 0.0f, false, false, 1.0f, "WALKINPARK_SUNNY"},
      {SIM_Weather::WEATHER_RAIN, 1.0f, false, false, 0.0f, "WALKINPARK_RAIN_NOUMBRELLA"},
      {SIM_Weather::WEATHER_RAIN, 1.0f, true, false, 0.3f, "WALKINPARK_RAIN_UMBRELLA"},
      {SIM_Weather::WEATHER_RAIN, 1.0f, true, true, 0.4f, "WALKINPARK_RAIN_UMBRELLA"},
      {SIM_Weather::WEATHER_SNOW, 0.0f, false, false, 0.8f, "WALKINPARK_SNOW"},
      {SIM_Weather::WEATHER_CLOUD, 0.0f, false, false, 0.8f, "WALKINPARK_DEFAULT"},
  };
  SIM_PetBase* dog = Pet("dog");
  Feed("dog");
  SIM_Attribute* happiness = dynamic_cast<SIM_Attribute*>(SIM_GetVede()->GetNamedValue("happiness", false));
  ASSERT_NE(happiness, nullptr);
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message() << "weather " << c.weather << " umbrella " << c.umbrella << " dog " << c.dog);
    SIM_GetWeather()->SetNewWeather(c.weather);
    SIM_GetWeather()->ForceIntensity(SIM_Weather::WEATHER_RAIN, c.rain);
    SIM_NamedValueList::ForceGlobal("umbrella", c.umbrella ? 1.0f : 0.0f);
    if (c.dog) {
      dog->Purchase();
      dog->SetEveningsAlone(4);
    } else if (dog->IsOwned()) {
      dog->DisposeOf();
    }
    EXPECT_NEAR(SIM_WalkPark::WalkInPark(), c.enjoyment, 1e-5f);
    std::string text = Text(c.text);
    if (c.dog) {
      text += " " + Text("WALKINPARK_DOG", dog->GetPetName());
      EXPECT_EQ(dog->GetEveningsAlone(), 0);  // the walk was time with the dog
    }
    EXPECT_EQ(LastMessage(), text);
    const SIM_Effect* last = happiness->GetEffects().empty() ? nullptr : happiness->GetEffects().back();
    ASSERT_NE(last, nullptr);
    EXPECT_EQ(last->GetDebugName(), "walkinpark");
  }
}

}  // namespace
