// The save and load menus headless, on a real game: typing a name and saving under it, names
// refused, a save that cannot be written, the sorted rows and their scrolling, the bins, loading a
// save back and the saves the loader refuses, which leave the running game as it was.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "CInput.h"
#include "D3DEngine.h"
#include "FrontEndTestSupport.h"
#include "GTranslation.h"
#include "GUI_ButtonText.h"
#include "GUI_DeleteGameButton.h"
#include "GUI_IconButton.h"
#include "GUI_LoadGameSlot.h"
#include "GUI_MenuLoad.h"
#include "GUI_MenuMain.h"
#include "GUI_MenuSave.h"
#include "GUI_SaveGameSlot.h"
#include "GUI_Sounds.h"
#include "Game.h"
#include "HeadlessPlayer.h"
#include "LibTextEngine.h"
#include "SIM_Date.h"
#include "SIM_Finances.h"
#include "SIM_SIM.h"
#include "SIM_SaveGame.h"
#include "TestSupport.h"

namespace {

namespace fs = std::filesystem;

class SaveMenus : public ::testing::Test {
 protected:
  void SetUp() override {
    HeadlessPlayer::StartNewGame(1);
    ASSERT_EQ(GetGame()->GetGameMode(), Game::GAMEMODE_INGAME);
    fs::create_directories(Folder());
  }
  void TearDown() override { SIM_SaveGame::FailWritesAfter(-1); }

  static std::string Folder() { return GetGame()->GetSaveGamesDir(); }
  static std::string PathOf(const std::string& name) { return Folder() + "/" + name + ".xml"; }
  static void Write(const std::string& file, const std::string& text) { testsupport::WriteFile(Folder() + "/" + file, text); }
  static void Press(unsigned key) {
    GetInput()->OnKeyDown(key);
    GetInput()->Process();
    GetInput()->OnKeyUp(key);
    GetInput()->Process();
  }
  // The key that types the character, found through the game's own table.
  static unsigned KeyFor(char c) {
    for (unsigned key = 0; key < 128; ++key)
      if (DikToChar(key) == c) return key;
    ADD_FAILURE() << "no key types '" << c << "'";
    return 0;
  }
  static void Type(const std::string& text) {
    for (char c : text) Press(KeyFor(c));
  }
  static GUI_MenuSave* OpenSave() {
    GetGame()->SetGameMode(Game::GAMEMODE_SAVE);
    return GUI_GetMenuSave();
  }
  static GUI_MenuLoad* OpenLoad() {
    GetGame()->SetGameMode(Game::GAMEMODE_LOAD);
    GUI_GetMenuLoad()->Draw();
    return GUI_GetMenuLoad();
  }
  static std::vector<std::string> Captions(const GUI_MenuLoad* menu) {
    std::vector<std::string> out;
    for (const GUI_LoadGameSlot* slot : menu->GetSlots()) out.push_back(slot->GetCaption());
    return out;
  }
  // Where the game stands: the date, the turn and the cash.
  struct Moment {
    int day, month, year, turn;
    float cash;
    bool operator==(const Moment&) const = default;
  };
  static Moment Now() {
    const SIM_Date* date = SIM_Date::PPresentDay;
    return {date->GetDay(), date->GetMonth(), date->GetYear(), int(SIM_GetSim()->GetTurnCount()),
            SIM_GetFinances()->GetCash()};
  }
  static std::string Text(const char* key) { return GTranslation::GetString(key); }
  static bool Has(const std::string& text, const std::string& part) { return text.find(part) != std::string::npos; }
};

TEST_F(SaveMenus, TheNameFollowsTheKeysAndStopsAtTheBoxWidth) {
  GUI_MenuSave* menu = OpenSave();
  menu->SetFileName("");
  Press(51);  // Delete on an empty name
  EXPECT_EQ(menu->GetFileName(), "");
  Type("first lifex");
  Press(51);
  Press(36);  // Return types nothing and saves nothing
  EXPECT_EQ(menu->GetFileName(), "first life");
  EXPECT_EQ(GetGame()->GetGameMode(), Game::GAMEMODE_SAVE);
  EXPECT_FALSE(fs::exists(PathOf("first life")));

  // The widest letter typed on and on: the name never reaches 401 pixels.
  menu->SetFileName("");
  for (int i = 0; i < 200; ++i) Press(KeyFor('w'));
  GetTextEngine()->SetCurrentFont("anime16.dds", 16.0f);
  const int width = GetTextEngine()->GetStringLength(menu->GetFileName());
  EXPECT_LT(width, 401);
  EXPECT_GE(width + int(GetTextEngine()->GetCharacterWidth('w')), 401);

  // Escape leaves without saving.
  Press(53);
  EXPECT_EQ(GetGame()->GetGameMode(), Game::GAMEMODE_MAINMENU);
  EXPECT_TRUE(SIM_SaveGame::ListSaves().empty());
}

TEST_F(SaveMenus, SaveWritesUnderTheNameAndANameWithoutLettersIsRefused) {
  GUI_MenuSave* menu = OpenSave();
  for (const char* name : {"", "   ", "..", "-' ,"}) {
    menu->SetFileName(name);
    frontendtest::Click(menu->GetSaveButton());
    EXPECT_EQ(GetGame()->GetGameMode(), Game::GAMEMODE_SAVE) << "'" << name << "'";
    EXPECT_EQ(menu->GetNotice(), Text("SAVEGAME_NEEDS_NAME")) << "'" << name << "'";
  }
  EXPECT_TRUE(SIM_SaveGame::ListSaves().empty());

  menu->SetFileName("first life");
  frontendtest::Click(menu->GetSaveButton());
  EXPECT_EQ(GetGame()->GetGameMode(), Game::GAMEMODE_MAINMENU);
  EXPECT_TRUE(fs::exists(PathOf("first life")));

  // Back in the menu the save is a row: an empty row leaves the name alone, the save's row gives
  // its name.
  menu = OpenSave();
  EXPECT_EQ(menu->GetNotice(), "");
  menu->SetFileName("something else");
  ASSERT_EQ(menu->GetSlots().size(), 5u);
  EXPECT_EQ(menu->GetSlots()[0]->GetCaption(), "first life");
  EXPECT_TRUE(menu->GetSlots()[1]->IsEmpty());
  frontendtest::Click(menu->GetSlots()[1]);
  EXPECT_EQ(menu->GetFileName(), "something else");
  frontendtest::Click(menu->GetSlots()[0]);
  EXPECT_EQ(menu->GetFileName(), "first life");
}

TEST_F(SaveMenus, ASaveThatCannotBeWrittenKeepsTheMenuOpenWithANotice) {
  GUI_MenuSave* menu = OpenSave();
  menu->SetFileName("full disk");
  SIM_SaveGame::FailWritesAfter(100);
  frontendtest::Click(menu->GetSaveButton());
  EXPECT_EQ(GetGame()->GetGameMode(), Game::GAMEMODE_SAVE);
  EXPECT_TRUE(Has(menu->GetNotice(), "'full disk'")) << menu->GetNotice();
  EXPECT_FALSE(fs::exists(PathOf("full disk")));
  // The notice shows in the panel, in red.
  D3DEngine::GetRecorder().Clear();
  menu->Draw();
  const DrawRecord* notice = D3DEngine::GetRecorder().FindText("full disk'");
  ASSERT_NE(notice, nullptr);
  EXPECT_GT(notice->r(), 100);
  EXPECT_LT(notice->g(), 40);

  // Once the disk has room the same press saves.
  SIM_SaveGame::FailWritesAfter(-1);
  frontendtest::Click(menu->GetSaveButton());
  EXPECT_EQ(GetGame()->GetGameMode(), Game::GAMEMODE_MAINMENU);
  EXPECT_TRUE(fs::exists(PathOf("full disk")));
}

TEST_F(SaveMenus, TheLoadMenuListsTheSavesSortedSixAtATimeAndScrolls) {
  // An empty folder: six empty rows that do nothing, no bins, no scrolling.
  GUI_MenuLoad* menu = OpenLoad();
  EXPECT_EQ(Captions(menu), std::vector<std::string>(6, ""));
  EXPECT_TRUE(menu->GetDeleteButtons().empty());
  EXPECT_FALSE(menu->GetScrollUpButton()->IsEnabled());
  EXPECT_FALSE(menu->GetScrollDownButton()->IsEnabled());
  frontendtest::Click(menu->GetSlots()[0]);
  EXPECT_EQ(GetGame()->GetGameMode(), Game::GAMEMODE_LOAD);
  EXPECT_EQ(menu->GetNotice(), "");

  // Seven saves written out of order, and files that are not saves.
  for (const char* name : {"g", "autosave", "c", "first life", "e", "b", "d"}) Write(std::string(name) + ".xml", "x");
  Write("notes.txt", "x");
  Write("h.xml.tmp", "x");
  menu = OpenLoad();
  EXPECT_EQ(Captions(menu), (std::vector<std::string>{"autosave", "b", "c", "d", "e", "first life"}));
  EXPECT_EQ(menu->GetDeleteButtons().size(), 6u);
  EXPECT_FALSE(menu->GetScrollUpButton()->IsEnabled());
  EXPECT_TRUE(menu->GetScrollDownButton()->IsEnabled());

  // The wheel scrolls as the buttons do, with their click, and no further than the last save.
  GUI_GetSounds()->PlaySound("data/sounds/trash.ogg", false);
  GetGame()->MouseWheelDown();
  EXPECT_EQ(GUI_GetSounds()->GetLastPlayed(), "data/sounds/zelk_click.ogg");
  menu->Draw();
  EXPECT_EQ(Captions(menu), (std::vector<std::string>{"b", "c", "d", "e", "first life", "g"}));
  EXPECT_TRUE(menu->GetScrollUpButton()->IsEnabled());
  EXPECT_FALSE(menu->GetScrollDownButton()->IsEnabled());
  frontendtest::Click(menu->GetScrollDownButton());
  GetGame()->MouseWheelDown();
  EXPECT_EQ(menu->GetScrollOffset(), 1);
  frontendtest::Click(menu->GetScrollUpButton());
  EXPECT_EQ(menu->GetScrollOffset(), 0);
  EXPECT_EQ(Captions(menu).front(), "autosave");
  // Escape does nothing here.
  Press(53);
  EXPECT_EQ(GetGame()->GetGameMode(), Game::GAMEMODE_LOAD);
}

TEST_F(SaveMenus, ABinDeletesItsSaveAndAFailedDeleteWarnsWithoutTheBinsSound) {
  for (const char* name : {"a", "b", "c"}) Write(std::string(name) + ".xml", "x");
  GUI_MenuLoad* menu = OpenLoad();
  ASSERT_EQ(menu->GetDeleteButtons().size(), 3u);
  EXPECT_EQ(menu->GetDeleteButtons()[1]->GetFileName(), "b.xml");
  frontendtest::Click(menu->GetDeleteButtons()[1]);
  EXPECT_FALSE(fs::exists(PathOf("b")));
  EXPECT_EQ(GUI_GetSounds()->GetLastPlayed(), "data/sounds/trash.ogg");
  EXPECT_EQ(menu->GetNotice(), "");
  menu->Draw();  // the rows are rebuilt after the click, at the end of the frame
  EXPECT_EQ(Captions(menu), (std::vector<std::string>{"a", "c", "", "", "", ""}));

  // A save gone from under the menu: its bin warns and the rows follow the folder.
  fs::remove(PathOf("c"));
  GUI_GetSounds()->PlaySound(0);
  frontendtest::Click(menu->GetDeleteButtons()[1]);
  EXPECT_NE(GUI_GetSounds()->GetLastPlayed(), "data/sounds/trash.ogg");
  std::string expected = Text("LOADGAME_DELETE_FAILED");
  GTranslation::ReplaceToken(expected, "<NAME>", "c");
  EXPECT_EQ(menu->GetNotice(), expected);
  menu->Draw();
  EXPECT_EQ(Captions(menu), (std::vector<std::string>{"a", "", "", "", "", ""}));
  EXPECT_TRUE(fs::exists(PathOf("a")));
}

TEST_F(SaveMenus, LoadingASaveBringsItsGameBack) {
  GUI_MenuSave* save = OpenSave();
  save->SetFileName("first life");
  frontendtest::Click(save->GetSaveButton());
  ASSERT_TRUE(fs::exists(PathOf("first life")));
  const Moment saved = Now();
  GetGame()->SetGameMode(Game::GAMEMODE_INGAME);
  HeadlessPlayer::PlayDay();
  ASSERT_NE(Now(), saved);

  // The night's autosave is listed first.
  GUI_MenuLoad* menu = OpenLoad();
  ASSERT_EQ(Captions(menu), (std::vector<std::string>{"autosave", "first life", "", "", "", ""}));
  frontendtest::Click(menu->GetSlots()[1]);
  EXPECT_EQ(GetGame()->GetGameMode(), Game::GAMEMODE_INGAME);
  EXPECT_EQ(GetGame()->GetCurrentGameName(), "first life");
  EXPECT_TRUE(GetGame()->GetGameInProgress());
  EXPECT_EQ(Now(), saved);
}

TEST_F(SaveMenus, ARefusedSaveSaysWhichAndWhyAndTheGameGoesOnAsItWas) {
  GUI_MenuSave* save = OpenSave();
  save->SetFileName("whole");
  frontendtest::Click(save->GetSaveButton());
  const std::string whole = testsupport::ReadFile(PathOf("whole"));
  ASSERT_GT(whole.size(), 1000u);
  std::string other = whole;
  other.replace(other.find("Vorla 2."), 8, "Vorla 3.");

  struct Case {
    const char* name;
    std::string text;  // empty: listed, then gone before the click
    const char* reason;
  };
  const Case cases[] = {
      {"cut", whole.substr(0, whole.size() / 2), "LOADGAME_REFUSED_DAMAGED"},
      {"noise", std::string("\x01\xff<\x7f>>\n\n<<", 11), "LOADGAME_REFUSED_DAMAGED"},
      {"newer", other, "LOADGAME_REFUSED_VERSION"},
      {"vanished", "", "LOADGAME_REFUSED_MISSING"},
  };
  const uint64_t digest = HeadlessPlayer::Digest();
  for (const Case& c : cases) {
    Write(std::string(c.name) + ".xml", c.text.empty() ? whole : c.text);
    GUI_MenuLoad* menu = OpenLoad();
    GUI_LoadGameSlot* row = nullptr;
    for (GUI_LoadGameSlot* slot : menu->GetSlots())
      if (slot->GetCaption() == c.name) row = slot;
    ASSERT_NE(row, nullptr) << c.name;
    if (c.text.empty()) fs::remove(PathOf(c.name));
    frontendtest::Click(row);
    EXPECT_EQ(GetGame()->GetGameMode(), Game::GAMEMODE_LOAD) << c.name;
    std::string expected = Text("LOADGAME_REFUSED");
    GTranslation::ReplaceToken(expected, "<NAME>", c.name);
    GTranslation::ReplaceToken(expected, "<REASON>", Text(c.reason));
    EXPECT_EQ(menu->GetNotice(), expected) << c.name;
    EXPECT_EQ(HeadlessPlayer::Digest(), digest) << c.name;
    if (!c.text.empty()) fs::remove(PathOf(c.name));
  }

  // Back to the main menu, and Resume goes on with the game as it was.
  GUI_MenuLoad::MainMenu(0);
  EXPECT_EQ(GetGame()->GetGameMode(), Game::GAMEMODE_MAINMENU);
  GUI_MenuMain::Resume(0);
  EXPECT_EQ(GetGame()->GetGameMode(), Game::GAMEMODE_INGAME);
  EXPECT_TRUE(GetGame()->GetGameInProgress());
  EXPECT_EQ(HeadlessPlayer::Digest(), digest);
}

}  // namespace
