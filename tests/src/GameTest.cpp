// The application shell headless: mode switching and its music, the forwarders, pause and resume,
// the currency, the full-screen switch rule, a new game, and a whole start-up and quit.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "CInput.h"
#include "D3DEngine.h"
#include "GDebug.h"
#include "GUI_ButtonText.h"
#include "GUI_ConfirmDialog.h"
#include "GUI_GUI.h"
#include "GUI_GameModeBase.h"
#include "GUI_Sounds.h"
#include "Game.h"
#include "Paths.h"
#include "PrivateProfile.h"
#include "SIM_PlayerOptions.h"
#include "TestSupport.h"
#include "winmain.h"

using namespace testsupport;

namespace {

// A mode that writes down what the shell asks of it.
class RecordingMode : public GUI_GameModeBase {
 public:
  explicit RecordingMode(std::string music) : m_music(std::move(music)) {}
  void Draw() override { calls.push_back("Draw"); }
  void HandleKey(unsigned key) override { calls.push_back("HandleKey " + std::to_string(key)); }
  void ProcessInput() override { calls.push_back("ProcessInput"); }
  bool CheckClick() override {
    calls.push_back("CheckClick");
    return true;
  }
  void Activate() override { calls.push_back("Activate"); }
  void Deactivate() override { calls.push_back("Deactivate"); }
  void MouseWheelUp() override { calls.push_back("MouseWheelUp"); }
  void MouseWheelDown() override { calls.push_back("MouseWheelDown"); }
  std::string GetBestMusic() override {
    calls.push_back("GetBestMusic");
    return m_music;
  }
  std::vector<std::string> calls;

 private:
  std::string m_music;
};

class ShellTest : public ::testing::Test {
 protected:
  void SetUp() override {
    GetD3DEngine()->Initialise(nullptr, nullptr, 1024, 768, 32, false, true);
    Game::SetModeObject(Game::GAMEMODE_MAINMENU, &menu);
    Game::SetModeObject(Game::GAMEMODE_OPTIONS, &options);
    // The sound manager asks a mode for its music only while the music toggle is on.
    SIM_GetPlayerOptions()->SetToggle(SIM_PlayerOptions::TOGGLE_MUSIC, true);
  }
  void TearDown() override {
    Game::SetModeObject(Game::GAMEMODE_MAINMENU, nullptr);
    Game::SetModeObject(Game::GAMEMODE_OPTIONS, nullptr);
  }
  RecordingMode menu{"Results Menu.ogg"};
  RecordingMode options{"options.ogg"};
};

using Calls = std::vector<std::string>;

TEST_F(ShellTest, BeforeAnyModeTheMusicIsTheMenuMusic) {
  EXPECT_EQ(GetGame()->GetCurrentMode(), nullptr);
  EXPECT_EQ(GetGame()->GetBestMusic(), "Results Menu.ogg");
}

TEST_F(ShellTest, AChangeOfModeDeactivatesTheOldOneAndRestartsTheMusic) {
  Game* game = GetGame();
  game->SetGameMode(Game::GAMEMODE_MAINMENU);
  EXPECT_EQ(menu.calls, (Calls{"GetBestMusic", "Activate"}));
  menu.calls.clear();

  game->SetGameMode(Game::GAMEMODE_OPTIONS);
  EXPECT_EQ(menu.calls, (Calls{"Deactivate"}));
  EXPECT_EQ(options.calls, (Calls{"GetBestMusic", "Activate"}));
  EXPECT_EQ(game->GetGameMode(), Game::GAMEMODE_OPTIONS);
  EXPECT_EQ(game->GetBestMusic(), "options.ogg");
}

TEST_F(ShellTest, SettingTheCurrentModeAgainOnlyActivatesIt) {
  Game* game = GetGame();
  game->SetGameMode(Game::GAMEMODE_MAINMENU);
  menu.calls.clear();
  game->SetGameMode(Game::GAMEMODE_MAINMENU);
  EXPECT_EQ(menu.calls, (Calls{"Activate"}));
}

TEST_F(ShellTest, ANumberWithoutAModeKeepsTheCurrentOneAndReactivatesIt) {
  Game* game = GetGame();
  game->SetGameMode(Game::GAMEMODE_MAINMENU);
  menu.calls.clear();
  game->SetGameMode(7);
  EXPECT_EQ(game->GetGameMode(), 7);
  EXPECT_EQ(game->GetCurrentMode(), &menu);
  EXPECT_EQ(menu.calls, (Calls{"Activate"}));
}

TEST_F(ShellTest, InputReachesTheCurrentModeThroughTheInputManager) {
  Game* game = GetGame();
  game->SetGameMode(Game::GAMEMODE_MAINMENU);
  menu.calls.clear();
  CInput* input = GetInput();
  input->OnLeftButton(true);
  input->OnKeyDown(36);
  input->OnWheel(1);
  input->OnRightButton(true);  // a right click reaches only the in-game mode
  input->Process();
  input->OnLeftButton(false);
  input->OnRightButton(false);
  input->OnWheel(-1);
  input->Process();
  EXPECT_EQ(menu.calls, (Calls{"CheckClick", "HandleKey 36", "MouseWheelUp", "MouseWheelDown"}));
}

TEST_F(ShellTest, PauseDeactivatesAndResumeActivatesTheCurrentMode) {
  Game* game = GetGame();
  game->SetGameMode(Game::GAMEMODE_MAINMENU);
  menu.calls.clear();
  game->Pause();
  game->Resume();
  EXPECT_EQ(menu.calls, (Calls{"Deactivate", "Activate"}));
}

// Another application in front stops the frames and nothing else: the music plays on and the
// mode stays active; coming back refreshes the music volume and re-activates the mode.
TEST_F(ShellTest, AnotherApplicationInFrontStopsOnlyTheFrames) {
  Game* game = GetGame();
  BActive = game->InitApp();
  ASSERT_EQ(game->GetCurrentMode(), &menu);
  menu.calls.clear();

  ApplicationDeactivated();
  EXPECT_FALSE(BActive);
  EXPECT_EQ(menu.calls, Calls{});
  EXPECT_FALSE(GUI_GetSounds()->IsMusicMuted());

  ApplicationActivated();
  EXPECT_TRUE(BActive);
  EXPECT_EQ(menu.calls, (Calls{"Activate"}));
}

TEST_F(ShellTest, TheCurrencyKeepsThreeCharactersAndTheOptionsTheWholeText) {
  Game* game = GetGame();
  game->SetCurrency("EUR");
  EXPECT_STREQ(game->GetCurrency(), "EUR");
  game->SetCurrency("Euro");
  EXPECT_STREQ(game->GetCurrency(), "Eur");
  EXPECT_EQ(SIM_GetPlayerOptions()->GetString(0).substr(0, 3), "Eur");
  game->SetCurrency("\xA3");
  EXPECT_STREQ(game->GetCurrency(), "\xA3");
}

TEST_F(ShellTest, FullScreenCannotBeLeftOnALowDisplay) {
  const char* file = "data\\config.ziz";
  WritePrivateProfileInt("config", "IsWindowed", 0, file);
  canGoWindowed = false;
  GetGame()->ToggleFullscreen();
  EXPECT_EQ(GetPrivateProfileInt("config", "IsWindowed", -1, file), 0);

  canGoWindowed = true;
  GetGame()->ToggleFullscreen();
  EXPECT_EQ(GetPrivateProfileInt("config", "IsWindowed", -1, file), 1);
  EXPECT_TRUE(GetD3DEngine()->GetIsWindowed());

  canGoWindowed = false;  // from a window, full screen is always allowed
  GetGame()->ToggleFullscreen();
  EXPECT_EQ(GetPrivateProfileInt("config", "IsWindowed", -1, file), 0);
  EXPECT_FALSE(GetD3DEngine()->GetIsWindowed());
  EXPECT_EQ(GetD3DEngine()->GetScreenWidth(), 1024);
  canGoWindowed = true;
}

TEST_F(ShellTest, ANewGameEntersTheInGameModeUnderTheDefaultName) {
  Game* game = GetGame();
  game->SetGameMode(Game::GAMEMODE_MAINMENU);
  game->StartNewGame();
  EXPECT_EQ(game->GetGameMode(), Game::GAMEMODE_INGAME);
  EXPECT_EQ(game->GetCurrentMode(), GUI_GetGUI());
  EXPECT_TRUE(game->GetGameInProgress());
  EXPECT_EQ(game->GetCurrentGameName(), "Untitled");
  EXPECT_EQ(menu.calls.back(), "Deactivate");
}

TEST(ShellStartUp, StartsUpIntoTheMainMenuAndQuitsFromTheFrameThatAskedForIt) {
  Game* game = GetGame();
  BActive = game->InitApp();
  ASSERT_TRUE(BActive);
  EXPECT_TRUE(game->IsInitialised());
  EXPECT_EQ(game->GetGameMode(), Game::GAMEMODE_MAINMENU);
  EXPECT_FALSE(game->GetGameInProgress());
  EXPECT_EQ(game->GetTownName(), "Zevuzoziro");

  std::string user = GetUserFolder();
  EXPECT_EQ(game->GetUserDir(), user);
  EXPECT_EQ(game->GetSaveGamesDir(), user + "/savegames");
  EXPECT_EQ(game->GetModJobsDir(), user + "/mods/jobs");
  EXPECT_EQ(game->GetModClassesDir(), user + "/mods/classes");
  for (const char* sub : {"savegames", "avatars", "mods", "mods/layers", "mods/classes", "mods/jobs", "mods/scripts",
                          "mods/bitmaps", "mods/portraits_m", "mods/portraits_f"}) {
    EXPECT_TRUE(Exists(user + "/" + sub)) << sub;
  }

  // The loading bar was drawn at 0, 0.25, 0.5 and 1.0: four frames before the first game frame.
  EXPECT_EQ(GetD3DEngine()->GetFrames(), 4.0f);
  game->GameProc();
  EXPECT_EQ(GetD3DEngine()->GetFrames(), 5.0f);

  // Escape in the main menu asks first; the question's OK quits, and that very frame releases
  // everything and draws nothing.
  std::string logPath = GetDebug()->GetPath();
  GetInput()->OnKeyDown(53);
  game->GameProc();
  EXPECT_TRUE(BActive);
  EXPECT_EQ(GetD3DEngine()->GetFrames(), 6.0f);
  ASSERT_NE(GUI_ConfirmDialog::PTheWindow, nullptr);
  GetInput()->OnKeyUp(53);
  const GUI_ButtonText* ok = GUI_ConfirmDialog::PTheWindow->GetOkButton();
  GetInput()->OnMouseMove(ok->GetCenterX(), ok->GetCenterY());
  GetInput()->OnLeftButton(true);
  game->GameProc();
  EXPECT_FALSE(BActive);
  EXPECT_EQ(GetD3DEngine()->GetFrames(), 6.0f);
  EXPECT_FALSE(GetDebug()->IsOpen());
  EXPECT_TRUE(Exists(user + "/player_actions.txt"));

  std::string log = ReadFile(logPath);
  EXPECT_EQ(log.rfind("----DEBUG FILE----\n", 0), 0u);
  EXPECT_NE(log.find("\nVorla 2 Debug File. App version " + game->GetVersionString() + "\n"), std::string::npos);
  EXPECT_EQ(log.substr(log.size() - 13), "END DEBUG---\n");
}

}  // namespace
