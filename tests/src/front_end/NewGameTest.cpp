// The new-game screen: the colour map's colours, typing a name, the builder's rows, and a skin of
// the other gender bringing a forename of that gender.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "CInput.h"
#include "FrontEndTestSupport.h"
#include "GUI_Avatar.h"
#include "GUI_AvatarBuilder.h"
#include "GUI_ColorPicker.h"
#include "GUI_IconButton.h"
#include "GUI_LayerPicker.h"
#include "GUI_MenuNew.h"
#include "GUI_NameEditor.h"
#include "GUI_Tutorial.h"
#include "Game.h"
#include "SIM_GameConfig.h"
#include "SIM_Names.h"
#include "SIM_Vede.h"
#include "winmain.h"

namespace {

// ---- The colour map ----

struct ColorCase {
  const char* what;
  int x, y;
  int r, g, b;
  int tolerance;
};

TEST(ColorMap, EdgesMiddleAndGreyStrip) {
  // 216 by 80, as the builder draws it: segments of 33 pixels, the grey strip from x 198.
  const RECT map{100, 200, 316, 280};
  const int mid = 240, s = 33;
  const ColorCase cases[] = {
      {"top edge of red is white", 100, 200, 255, 255, 255, 0},
      {"top edge of blue is white", 100 + 4 * s, 200, 255, 255, 255, 0},
      {"bottom row of cyan is nearly black", 100 + 3 * s, 279, 0, 6, 6, 6},
      {"bottom row of yellow is nearly black", 100 + s, 279, 6, 6, 0, 6},
      {"pure red", 100, mid, 255, 0, 0, 0},
      {"pure yellow", 100 + s, mid, 255, 255, 0, 0},
      {"pure green", 100 + 2 * s, mid, 0, 255, 0, 0},
      {"pure cyan", 100 + 3 * s, mid, 0, 255, 255, 0},
      {"pure blue", 100 + 4 * s, mid, 0, 0, 255, 0},
      {"pure magenta", 100 + 5 * s, mid, 255, 0, 255, 0},
      {"halfway red to yellow", 100 + 16, mid, 255, 123, 0, 1},
      {"grey strip top", 100 + 6 * s + 2, 200, 255, 255, 255, 0},
      {"grey strip middle", 100 + 6 * s + 2, mid, 128, 128, 128, 0},
      {"grey strip bottom", 100 + 6 * s + 2, 279, 3, 3, 3, 3},
      {"a quarter down the grey strip", 100 + 6 * s + 2, 220, 191, 191, 191, 1},
  };
  for (const ColorCase& c : cases) {
    const LibColor got = GUI_ColorPicker::ColorInMap(map, c.x, c.y);
    EXPECT_NEAR(got.r, c.r, c.tolerance) << c.what;
    EXPECT_NEAR(got.g, c.g, c.tolerance) << c.what;
    EXPECT_NEAR(got.b, c.b, c.tolerance) << c.what;
    EXPECT_EQ(got.a, 255) << c.what;
  }
}

// ---- Typing a name ----

// Mac key codes, as the input layer delivers them.
constexpr unsigned kA = 0, kN = 45, kE = 14, kS = 1, kOne = 18, kDot = 47, kComma = 43, kSpace = 49, kHyphen = 27,
                   kApostrophe = 39, kDelete = 51, kShift = 56;

struct TypingCase {
  const char* what;
  const char* start;
  std::vector<unsigned> keys;
  const char* expected;
};

TEST(NameEditor, TypingTakesLettersApostropheHyphenAndSpaceUpTo18) {
  const TypingCase cases[] = {
      {"the first letter is upper-cased", "", {kA, kN, kN, kE}, "Anne"},
      {"digits, full stops and commas are ignored", "", {kA, kOne, kDot, kComma, kN}, "An"},
      {"apostrophe, hyphen and space are taken", "", {kA, kApostrophe, kN, kHyphen, kE, kSpace, kS}, "A'n-e s"},
      {"a 19th letter is ignored", "", std::vector<unsigned>(19, kA), "Aaaaaaaaaaaaaaaaaa"},
      {"delete on an empty name leaves it empty", "", {kDelete, kDelete}, ""},
      {"delete takes the last letter", "Ann", {kDelete, kE}, "Ane"},
      {"emptied, the next letter is upper-cased again", "Jo", {kDelete, kDelete, kN}, "N"},
      {"a long random name takes no typed letter", "Bartholomew Fitzgerald-Smythe", {kA}, "Bartholomew Fitzgerald-Smythe"},
  };
  for (const TypingCase& c : cases) {
    GUI_NameEditor editor(c.start, "NAMEEDITOR_TITLE");
    editor.StartEditing();
    for (unsigned key : c.keys) editor.HandleKey(key);
    EXPECT_STREQ(editor.GetName(), c.expected) << c.what;
    EXPECT_EQ(editor.GetLength(), int(std::string(c.expected).size())) << c.what;
  }
}

TEST(NameEditor, OnlyAnEditingFieldTakesKeysAndShiftUpperCases) {
  GUI_NameEditor editor("Jo", "NAMEEDITOR_TITLE");
  editor.HandleKey(kA);
  EXPECT_STREQ(editor.GetName(), "Jo");
  editor.StartEditing();
  GetInput()->OnKeyDown(kShift);
  editor.HandleKey(kE);
  GetInput()->OnKeyUp(kShift);
  GetInput()->Process();  // a released key counts as held until the pass after its release
  editor.HandleKey(kE);
  EXPECT_STREQ(editor.GetName(), "JoEe");
  editor.StopEditing();
  editor.HandleKey(kDelete);
  EXPECT_STREQ(editor.GetName(), "JoEe");
}

// ---- The screen and its builder ----

class NewGameScreen : public ::testing::Test {
 protected:
  void SetUp() override {
    BActive = GetGame()->InitApp();
    ASSERT_TRUE(BActive);
    GetGame()->SetGameMode(Game::GAMEMODE_NEWGAME);
    screen = GUI_MenuNew::PTheWindow;
    ASSERT_NE(screen, nullptr);
    builder = screen->GetBuilder();
    ASSERT_NE(builder, nullptr);
    ASSERT_NE(GUI_GetAvatar()->GetLayer(AVATAR_SKIN), nullptr) << "no layers or presets in data/";
  }
  GUI_LayerPicker* Row(AVATARLAYER slot) const {
    for (GUI_LayerPicker* row : builder->GetRows())
      if (row->GetSlot() == slot) return row;
    return nullptr;
  }
  static void ClickAt(float x, float y) { frontendtest::Click(x, y); }
  static void ClickAt(const GUI_BaseElement* element) { frontendtest::Click(element); }
  static bool Contains(const std::list<SIM_Name*>& pool, const std::string& name) {
    return std::any_of(pool.begin(), pool.end(), [&](const SIM_Name* n) { return n->Get() == name; });
  }
  GUI_MenuNew* screen = nullptr;
  GUI_AvatarBuilder* builder = nullptr;
};

TEST_F(NewGameScreen, ArrowsWrapAndLiveOnlyOnTheCurrentRow) {
  GUI_LayerPicker* hair = Row(AVATAR_HAIRTOP);
  ASSERT_NE(hair, nullptr);
  // The skin is current after the layout: the hair's arrows are dead until its row is clicked.
  screen->Draw();
  EXPECT_FALSE(hair->GetNextButton()->IsEnabled());
  ClickAt(hair);
  ASSERT_EQ(builder->GetCurrentLayer(), AVATAR_HAIRTOP);
  screen->Draw();
  EXPECT_TRUE(hair->GetPrevButton()->IsEnabled());
  EXPECT_TRUE(hair->GetNextButton()->IsEnabled());

  const std::list<GUI_AvatarLayer*> options = builder->GetOptions();
  ASSERT_GE(options.size(), 2u);
  GUI_GetAvatar()->SetLayer(AVATAR_HAIRTOP, options.front());
  GUI_AvatarBuilder::SetLayer(AVATAR_HAIRTOP);
  builder->PrevOption();
  EXPECT_EQ(GUI_GetAvatar()->GetLayer(AVATAR_HAIRTOP), options.back()) << "back from the first shows the last";
  builder->NextOption();
  EXPECT_EQ(GUI_GetAvatar()->GetLayer(AVATAR_HAIRTOP), options.front()) << "on from the last shows the first";
  ClickAt(hair->GetNextButton());
  EXPECT_EQ(GUI_GetAvatar()->GetLayer(AVATAR_HAIRTOP), *std::next(options.begin()));
}

TEST_F(NewGameScreen, ALayerNotAmongTheOptionsStepsFromTheFirst) {
  GUI_Avatar* avatar = GUI_GetAvatar();
  const SIM_GENDER gender = avatar->GetLayer(AVATAR_SKIN)->GetGender();
  // A coat of the other gender, as a preset could leave it.
  GUI_AvatarLayer* stranger = GUI_AvatarLayer::GetValidChild(AVATAR_COAT, gender == SIM_MALE ? SIM_FEMALE : SIM_MALE);
  ASSERT_NE(stranger, nullptr);
  avatar->SetLayer(AVATAR_COAT, stranger);
  GUI_AvatarBuilder::SetLayer(AVATAR_COAT);
  const std::list<GUI_AvatarLayer*> options = builder->GetOptions();
  ASSERT_GE(options.size(), 2u);
  ASSERT_EQ(std::find(options.begin(), options.end(), stranger), options.end());
  builder->NextOption();
  EXPECT_EQ(avatar->GetLayer(AVATAR_COAT), *std::next(options.begin()));

  avatar->SetLayer(AVATAR_COAT, stranger);
  GUI_AvatarBuilder::SetLayer(AVATAR_COAT);
  builder->PrevOption();
  EXPECT_EQ(avatar->GetLayer(AVATAR_COAT), options.back());
}

TEST_F(NewGameScreen, NoOptionsDisablesBothArrows) {
  const SIM_GENDER gender = GUI_GetAvatar()->GetLayer(AVATAR_SKIN)->GetGender();
  // Every pair of glasses of the figure's gender gone: the row has nothing to offer.
  std::vector<GUI_AvatarLayer*> glasses;
  for (GUI_AvatarLayer* layer : GUI_AvatarLayer::All)
    if (layer->GetType() == AVATAR_GLASSES && layer->GetGender() == gender) glasses.push_back(layer);
  for (GUI_AvatarLayer* layer : glasses) {
    if (GUI_GetAvatar()->GetLayer(AVATAR_GLASSES) == layer) continue;  // the worn pair stays worn
    delete layer;
  }
  GUI_AvatarLayer* worn = GUI_GetAvatar()->GetLayer(AVATAR_GLASSES);
  if (worn) delete worn;  // the avatar's slot must not keep it: the test draws no more
  GUI_LayerPicker* row = Row(AVATAR_GLASSES);
  ASSERT_NE(row, nullptr);
  GUI_AvatarBuilder::SetLayer(AVATAR_GLASSES);
  EXPECT_TRUE(builder->GetOptions().empty());
  builder->NextOption();
  builder->PrevOption();
  EXPECT_FALSE(row->GetPrevButton()->IsEnabled() || row->GetNextButton()->IsEnabled());
}

TEST_F(NewGameScreen, ASkinOfTheOtherGenderBringsAForenameOfThatGender) {
  GUI_Avatar* avatar = GUI_GetAvatar();
  const SIM_GENDER before = avatar->GetLayer(AVATAR_SKIN)->GetGender();
  const SIM_GENDER after = before == SIM_MALE ? SIM_FEMALE : SIM_MALE;
  const std::list<SIM_Name*>& pool = after == SIM_FEMALE ? SIM_Names::FemaleForenames : SIM_Names::MaleForenames;
  screen->GetForenameEditor()->SetName("Typed");
  // Step the skin row until the figure changes gender.
  GUI_AvatarBuilder::SetLayer(AVATAR_SKIN);
  for (size_t i = 0; i < builder->GetOptions().size() && avatar->GetLayer(AVATAR_SKIN)->GetGender() == before; ++i)
    builder->NextOption();
  ASSERT_EQ(avatar->GetLayer(AVATAR_SKIN)->GetGender(), after);
  EXPECT_TRUE(Contains(pool, screen->GetForenameEditor()->GetName())) << screen->GetForenameEditor()->GetName();
  // The forename's randomise button keeps to the new gender.
  GUI_NameEditor::RandomName(screen->GetForenameEditor()->GetRandomiseButton()->GetArgument());
  EXPECT_TRUE(Contains(pool, screen->GetForenameEditor()->GetName())) << screen->GetForenameEditor()->GetName();
}

TEST_F(NewGameScreen, TypedNamesAndTheSkinGoToTheNewGameOnStart) {
  // Typing goes to the field last clicked; a click on another field ends the first one's editing.
  GUI_NameEditor* fields[] = {screen->GetForenameEditor(), screen->GetSurnameEditor(), screen->GetTownEditor()};
  const std::vector<unsigned> typed[] = {{kA, kN, kN, kE}, {kS, kE, kE}, {kN, kE, kS, kS}};
  for (int i = 0; i < 3; ++i) {
    fields[i]->SetName("");
    screen->Draw();  // lays out the text strips
    const RECT& box = fields[i]->GetTextBox();
    ClickAt(float(box.left + box.right) / 2.0f, float(box.top + box.bottom) / 2.0f);
    for (GUI_NameEditor* field : fields) EXPECT_EQ(field->IsEditing(), field == fields[i]);
    for (unsigned key : typed[i]) screen->HandleKey(key);
  }
  // The randomise button draws a name without taking the keyboard, and ends all editing.
  const std::string town = fields[2]->GetName();
  ClickAt(fields[1]->GetRandomiseButton());
  for (GUI_NameEditor* field : fields) EXPECT_FALSE(field->IsEditing());
  EXPECT_EQ(fields[2]->GetName(), town);
  fields[1]->SetName("See");

  GUI_MenuNew::Start(0);
  EXPECT_EQ(GetGame()->GetGameMode(), Game::GAMEMODE_INTRO);
  EXPECT_EQ(SIM_GetGameConfig()->GetAvatarForeName(), "Anne");
  EXPECT_EQ(SIM_GetGameConfig()->GetAvatarLastName(), "See");
  EXPECT_EQ(GetGame()->GetTownName(), "Ness");
  EXPECT_EQ(SIM_GetGameConfig()->GetAvatarTexture(), GUI_GetAvatar()->GetLayer(AVATAR_SKIN)->GetTexture(MOOD_NEUTRAL));
}

TEST_F(NewGameScreen, EscapeLeavesEvenWhileAFieldIsEdited) {
  const std::string town = screen->GetTownEditor()->GetName();
  screen->GetTownEditor()->StartEditing();
  screen->HandleKey(53);
  EXPECT_EQ(GetGame()->GetGameMode(), Game::GAMEMODE_MAINMENU);
  EXPECT_EQ(screen->GetTownEditor()->GetName(), town);
}

TEST_F(NewGameScreen, TheTutorialWearsTheFigureWithAForenameOfItsGender) {
  GUI_Avatar* avatar = GUI_GetAvatar();
  const SIM_GENDER gender = avatar->GetLayer(AVATAR_SKIN)->GetGender() == SIM_MALE ? SIM_FEMALE : SIM_MALE;
  avatar->SetLayer(AVATAR_SKIN, GUI_AvatarLayer::GetValidChild(AVATAR_SKIN, gender));
  GUI_Tutorial::Initialise();
  ASSERT_TRUE(GUI_Tutorial::IsRunning());
  const std::list<SIM_Name*>& pool = gender == SIM_FEMALE ? SIM_Names::FemaleForenames : SIM_Names::MaleForenames;
  EXPECT_TRUE(Contains(pool, SIM_GetVede()->GetForeName())) << SIM_GetVede()->GetForeName();
  EXPECT_EQ(SIM_GetVede()->GetGender(), gender);
  EXPECT_EQ(SIM_GetGameConfig()->GetAvatarTexture(), avatar->GetLayer(AVATAR_SKIN)->GetTexture(MOOD_NEUTRAL));
}

}  // namespace
