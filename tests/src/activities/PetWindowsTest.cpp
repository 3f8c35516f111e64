// The pet's own window, the naming of the cat and the dog, and the pets drawn beside the avatar.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "CInput.h"
#include "D3DEngine.h"
#include "DrawRecorder.h"
#include "GDebug.h"
#include "GTranslation.h"
#include "GUI_Avatar.h"
#include "GUI_ButtonText.h"
#include "GUI_GUI.h"
#include "GUI_PetAvatar.h"
#include "GUI_PetDetails.h"
#include "GUI_PetNameDialog.h"
#include "HeadlessPlayer.h"
#include "LibTextEngine.h"
#include "SIM_Asset.h"
#include "SIM_Dog.h"
#include "SIM_NamedValue.h"
#include "SIM_PetBase.h"
#include "SIM_PetFood.h"
#include "TestSupport.h"

namespace {

// Mac key codes, as the input layer delivers them.
constexpr unsigned kA = 0, kS = 1, kE = 14, kR = 15, kO = 31, kN = 45, kM = 46, kOne = 18, kSpace = 49, kHyphen = 27,
                   kApostrophe = 39, kDelete = 51, kShift = 56;

class PetWindows : public ::testing::Test {
 protected:
  void SetUp() override { HeadlessPlayer::StartNewGame(5); }
  void TearDown() override {
    GUI_PetNameDialog::Close();
    GUI_PetDetails::Close();
  }
  static SIM_PetBase* Pet(const char* name) {
    auto* pet = dynamic_cast<SIM_PetBase*>(SIM_Asset::GetByName(name));
    EXPECT_NE(pet, nullptr) << name;
    return pet;
  }
  static SIM_PetBase* Owned(const char* name, float happiness) {
    SIM_PetBase* pet = Pet(name);
    pet->Purchase();
    pet->SetHappiness(happiness);
    return pet;
  }
  static void Open(SIM_PetBase* pet) { GUI_PetDetails::Create(pet, pet->GetDetailsText()); }
  static GUI_PetNameDialog* Rename() {
    GUI_PetDetails::Rename(0);
    EXPECT_NE(GUI_PetNameDialog::PTheWindow, nullptr);
    return GUI_PetNameDialog::PTheWindow;
  }
  // The pet pictures drawn by one frame of the pet avatar: texture and centre.
  struct Drawn {
    std::string texture;
    float x, y, w, h;
  };
  static std::vector<Drawn> DrawPets() {
    D3DEngine::GetRecorder().Clear();
    GUI_GetPetAvatar()->Draw();
    std::vector<Drawn> out;
    for (const DrawRecord& r : D3DEngine::GetRecorder().Filter(DrawKind::Quad))
      out.push_back({r.texture, (r.left + r.right) / 2.0f, (r.top + r.bottom) / 2.0f, r.Width(), r.Height()});
    return out;
  }
};

TEST_F(PetWindows, HappinessGivesThePoseWithTheBoundsInTheHigherPose) {
  const struct {
    float happiness;
    int mood;
  } cases[] = {{0.0f, 0}, {0.329f, 0}, {0.33f, 1}, {0.5f, 1}, {0.659f, 1}, {0.66f, 2}, {1.0f, 2}};
  for (const auto& c : cases) EXPECT_EQ(GUI_PetAvatar::MoodForHappiness(c.happiness), c.mood) << c.happiness;
}

TEST_F(PetWindows, TheDogAndTheCatStandBesideTheAvatarInTheirPoseTheCatOverTheDog) {
  EXPECT_TRUE(DrawPets().empty());  // neither flag set
  Owned("dog", 0.33f);
  Owned("cat", 0.66f);
  const V2 centre = GUI_GetAvatar()->GetCenter();
  std::vector<Drawn> drawn = DrawPets();
  ASSERT_EQ(drawn.size(), 2u);
  EXPECT_NE(drawn[0].texture.find("dog_2"), std::string::npos) << drawn[0].texture;
  EXPECT_FLOAT_EQ(drawn[0].x, centre.x - 64.0f);
  EXPECT_FLOAT_EQ(drawn[0].y, centre.y + 143.0f);
  EXPECT_FLOAT_EQ(drawn[0].w, 256.0f);
  EXPECT_NE(drawn[1].texture.find("cat_3"), std::string::npos) << drawn[1].texture;
  EXPECT_FLOAT_EQ(drawn[1].x, centre.x + 128.0f);
  EXPECT_FLOAT_EQ(drawn[1].y, centre.y + 192.0f);
  EXPECT_FLOAT_EQ(drawn[1].w, 256.0f);
  EXPECT_FLOAT_EQ(drawn[1].h, 128.0f);
  EXPECT_EQ(GUI_GetPetAvatar()->GetDogMood(), 1);
  EXPECT_EQ(GUI_GetPetAvatar()->GetCatMood(), 2);

  Pet("dog")->SetHappiness(0.1f);
  drawn = DrawPets();
  ASSERT_EQ(drawn.size(), 2u);
  EXPECT_NE(drawn[0].texture.find("dog_1"), std::string::npos) << drawn[0].texture;
  EXPECT_FLOAT_EQ(drawn[0].x, centre.x);
}

TEST_F(PetWindows, AFlagWithoutItsPetDrawsNothingAndSaysSoOnce) {
  // As a script or a save might set it, with no dog bought.
  ASSERT_EQ(SIM_NamedValueList::Globals.GetNamedValue("dog"), nullptr);
  SIM_NamedValueList::Globals.AddValue(new SIM_NamedValue("dog", "Dog", 1.0f));
  EXPECT_TRUE(DrawPets().empty());
  EXPECT_TRUE(DrawPets().empty());
  const std::string log = testsupport::ReadFile(GetDebug()->GetPath());
  const std::string line = "the flag \"dog\" is set but no dog is owned";
  const size_t first = log.find(line);
  ASSERT_NE(first, std::string::npos) << log;
  EXPECT_EQ(log.find(line, first + 1), std::string::npos);
}

TEST_F(PetWindows, TheDetailsShowMealsHungerBurglarsAndMoodOnlyWhereTheyBelong) {
  SIM_PetBase* dog = Owned("dog", 0.9f);
  const std::string meals = GTranslation::GetString("PETFOOD_DAYSLEFT");
  const std::string hungry = GTranslation::GetString("PET_DAYSWITHOUTFOOD");
  const std::string burglars = GTranslation::GetString("DOG_BURGLARSATTACKED");
  const std::string moodLabel = GTranslation::GetString("PET_MOOD");
  for (int i = 0; i < 4; ++i) SIM_PetMeal::Create("dog");
  SIM_PetMeal::Create("cat");
  dynamic_cast<SIM_Dog*>(dog)->AttackBurglar();
  Open(dog);
  ASSERT_NE(GUI_PetDetails::PTheWindow, nullptr);
  EXPECT_EQ(GUI_PetDetails::PTheWindow->GetTitle(), dog->GetPetName());
  // No hungry row while the dog has eaten every day.
  EXPECT_EQ(GUI_PetDetails::PTheWindow->GetRowsText(), meals + " 4\n" + burglars + " 1");
  dog->SetDaysWithoutFood(2);
  EXPECT_EQ(GUI_PetDetails::PTheWindow->GetRowsText(), meals + " 4\n" + hungry + " 2\n" + burglars + " 1");
  EXPECT_EQ(GUI_PetDetails::PTheWindow->GetMoodLine(),
            moodLabel + " " + GTranslation::GetValueName(0.9f, "DOG_MOOD"));

  D3DEngine::GetRecorder().Clear();
  GUI_PetDetails::PTheWindow->Draw();
  EXPECT_TRUE(D3DEngine::GetRecorder().HasText(hungry));
  EXPECT_TRUE(D3DEngine::GetRecorder().HasText(moodLabel));
  bool pictured = false;
  for (const DrawRecord& r : D3DEngine::GetRecorder().Filter(DrawKind::Quad))
    pictured = pictured || (r.texture.find("asset_dog") != std::string::npos && r.Width() == 118.0f);
  EXPECT_TRUE(pictured);

  // Another pet's window replaces the first; the fish has no burglars and no mood.
  SIM_PetBase* fish = Owned("fish", 0.5f);
  Open(fish);
  EXPECT_EQ(GUI_PetDetails::PTheWindow->GetPet(), fish);
  EXPECT_EQ(GUI_PetDetails::PTheWindow->GetRowsText(), meals + " 0");
  EXPECT_EQ(GUI_PetDetails::PTheWindow->GetMoodLine(), "");
}

TEST_F(PetWindows, OnlyTheCatAndTheDogCanBeRenamed) {
  const struct {
    const char* name;
    bool renameable;
  } cases[] = {{"cat", true}, {"dog", true}, {"fish", false}, {"parrot", false}, {"hamster", false}};
  for (const auto& c : cases) {
    Open(Owned(c.name, 0.5f));
    ASSERT_NE(GUI_PetDetails::PTheWindow, nullptr) << c.name;
    EXPECT_EQ(GUI_PetDetails::PTheWindow->GetRenameButton() != nullptr, c.renameable) << c.name;
  }
}

struct TypingCase {
  const char* what;
  std::vector<unsigned> keys;
  const char* expected;
};

TEST_F(PetWindows, TypingANameTakesLettersUpperCasingTheFirstAndShifted) {
  Open(Owned("dog", 0.5f));
  const TypingCase cases[] = {
      {"the first letter is upper case, the rest lower", {kR, kE, kS, kO}, "Reso"},
      {"digits are ignored; apostrophe, hyphen and space are taken", {kO, kOne, kApostrophe, kN, kHyphen, kE, kSpace, kM}, "O'n-e m"},
      {"delete on an empty name does nothing", {kDelete, kDelete, kA}, "A"},
      {"emptied, the next letter is upper case again", {kA, kN, kDelete, kDelete, kN}, "N"},
  };
  for (const TypingCase& c : cases) {
    GUI_PetNameDialog* dialog = Rename();
    ASSERT_NE(dialog, nullptr);
    // The dialog starts from the pet's name: empty it first.
    while (!dialog->GetName().empty()) dialog->HandleKey(kDelete);
    for (unsigned key : c.keys) dialog->HandleKey(key);
    EXPECT_EQ(dialog->GetName(), c.expected) << c.what;
  }
  GUI_PetNameDialog* dialog = Rename();
  while (!dialog->GetName().empty()) dialog->HandleKey(kDelete);
  dialog->HandleKey(kA);
  GetInput()->OnKeyDown(kShift);
  dialog->HandleKey(kN);
  GetInput()->OnKeyUp(kShift);
  GetInput()->Process();  // a released key counts as held until the pass after its release
  dialog->HandleKey(kN);
  EXPECT_EQ(dialog->GetName(), "ANn");
}

TEST_F(PetWindows, TheNameStopsAtTheStripsWidthAndNeverPasses63) {
  Open(Owned("dog", 0.5f));
  GUI_PetNameDialog* dialog = Rename();
  while (!dialog->GetName().empty()) dialog->HandleKey(kDelete);
  for (int i = 0; i < 100; ++i) dialog->HandleKey(kM);
  const size_t typed = dialog->GetName().size();
  EXPECT_GT(typed, 5u);
  EXPECT_LE(typed, GUI_PetNameDialog::kMaxName);
  GetTextEngine()->SetCurrentFont("calibriblackbold28.dds", 28.0f);
  const RECT& strip = dialog->GetEditRect();
  EXPECT_LT(GetTextEngine()->GetStringLength(dialog->GetName()) + 5, strip.right - strip.left);
  // A narrow letter still fits after the wide ones stopped.
  const std::string before = dialog->GetName();
  dialog->HandleKey(kM);
  EXPECT_EQ(dialog->GetName(), before);
}

TEST_F(PetWindows, DoneIsOffWhileTheNameIsBlankAndKeepsItWithoutTrailingBlanks) {
  SIM_PetBase* cat = Owned("cat", 0.5f);
  Open(cat);
  const std::string old = cat->GetPetName();
  GUI_PetNameDialog* dialog = Rename();
  EXPECT_EQ(dialog->GetName(), old);
  EXPECT_EQ(GUI_GetGUI()->GetInputHandler(), dialog);
  while (!dialog->GetName().empty()) dialog->HandleKey(kDelete);
  dialog->Draw();
  EXPECT_FALSE(dialog->GetDoneButton()->IsEnabled());
  dialog->HandleKey(kSpace);  // upper-cased nothing: a blank alone
  dialog->HandleKey(kSpace);
  dialog->Draw();
  EXPECT_FALSE(dialog->GetDoneButton()->IsEnabled());
  GUI_PetNameDialog::Done(0);  // a click that slips through changes nothing
  ASSERT_EQ(GUI_PetNameDialog::PTheWindow, dialog);
  EXPECT_EQ(cat->GetPetName(), old);

  while (!dialog->GetName().empty()) dialog->HandleKey(kDelete);
  for (unsigned key : {kM, kO, kS, kS, kSpace, kSpace}) dialog->HandleKey(key);
  dialog->Draw();
  EXPECT_TRUE(dialog->GetDoneButton()->IsEnabled());
  GUI_PetNameDialog::Done(0);
  EXPECT_EQ(GUI_PetNameDialog::PTheWindow, nullptr);
  EXPECT_EQ(cat->GetPetName(), "Moss");
  ASSERT_NE(GUI_PetDetails::PTheWindow, nullptr);
  EXPECT_EQ(GUI_PetDetails::PTheWindow->GetTitle(), "Moss");
  EXPECT_EQ(GUI_GetGUI()->GetInputHandler(), nullptr);
}

TEST_F(PetWindows, ClosingTheDetailsTakesTheNameDialogWithItAndLeavesAnotherWindowsKeyboard) {
  Open(Owned("dog", 0.5f));
  Rename();
  GUI_PetDetails::Close();
  EXPECT_EQ(GUI_PetNameDialog::PTheWindow, nullptr);
  EXPECT_EQ(GUI_GetGUI()->GetInputHandler(), nullptr);

  // A chooser opened over the details has the keyboard; the details closing does not take it.
  GUI_WindowBase chooser;
  Open(Pet("dog"));
  GUI_GetGUI()->SetInputHandler(&chooser);
  GUI_PetDetails::Close();
  EXPECT_EQ(GUI_GetGUI()->GetInputHandler(), &chooser);
  GUI_GetGUI()->SetInputHandler(nullptr);
}

TEST_F(PetWindows, APetRowWithoutItsPictureDrawsNoneAndNamesTheRow) {
  const std::string path = testsupport::TestRoot() + "/pets_fixture.csv";
  testsupport::WriteFile(path,
                         "Header line, never a row\n"
                         "#,sim_dog,dog,Dog,pets,\"A dog.\",,,0,150,0.8,,,,,,\n");
  SIM_Asset::Open(path.c_str());
  SIM_PetBase* dog = Owned("dog", 0.5f);
  Open(dog);
  D3DEngine::GetRecorder().Clear();
  GUI_PetDetails::PTheWindow->Draw();
  GUI_PetDetails::PTheWindow->Draw();
  for (const DrawRecord& r : D3DEngine::GetRecorder().Filter(DrawKind::Quad))
    EXPECT_NE(r.Width(), 118.0f) << r.Describe();
  const std::string log = testsupport::ReadFile(GetDebug()->GetPath());
  const std::string line = "pets_fixture.csv:2: the pet \"dog\" names no picture";
  const size_t first = log.find(line);
  ASSERT_NE(first, std::string::npos) << log;
  EXPECT_EQ(log.find(line, first + 1), std::string::npos);
}

}  // namespace
