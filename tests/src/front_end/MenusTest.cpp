// The menus headless: the main menu's buttons with and without a game, its rise into place, the
// quit question, the options and the currency reaching the options file, and the intro page.
#include <gtest/gtest.h>

#include <cstdlib>
#include <string>

#include "CInput.h"
#include "D3DEngine.h"
#include "FrontEndTestSupport.h"
#include "GDebug.h"
#include "GTimer.h"
#include "GTranslation.h"
#include "GUI_ButtonText.h"
#include "GUI_CheckButton.h"
#include "GUI_ConfirmDialog.h"
#include "GUI_CurrencyChooser.h"
#include "GUI_IconButton.h"
#include "GUI_MenuIntro.h"
#include "GUI_MenuMain.h"
#include "GUI_MenuNew.h"
#include "GUI_MenuOptions.h"
#include "GUI_NameEditor.h"
#include "GUI_ScreenFader.h"
#include "GUI_Tutorial.h"
#include "GUI_WokeUpScreen.h"
#include "Game.h"
#include "SIM_GameConfig.h"
#include "SIM_PlayerOptions.h"
#include "TestSupport.h"
#include "winmain.h"

namespace {

uint32_t g_now = 1000;
uint32_t Now() { return g_now; }

class Menus : public ::testing::Test {
 protected:
  void SetUp() override {
    GTimer::SetClock(&Now);
    BActive = GetGame()->InitApp();
    ASSERT_EQ(GetGame()->GetGameMode(), Game::GAMEMODE_MAINMENU);
    menu = GUI_GetMenuMain();
    Settle();
  }
  void TearDown() override { GTimer::SetClock(nullptr); }

  // Lets the fade and the one-second rise end and draws the settled menu.
  void Settle() {
    Wait(1100);
    GetGame()->GetCurrentMode()->Draw();
  }
  static void Wait(uint32_t ms) {
    g_now += ms;
    GUI_GetFader()->Draw();
  }
  // A click at the element as the input layer delivers it to the current mode, then the fade a
  // fade-first button starts.
  static void ClickAt(const GUI_BaseElement* element) { ClickAt(element->GetCenterX(), element->GetCenterY()); }
  static void ClickAt(float x, float y) {
    frontendtest::Click(x, y);
    Wait(200);
  }
  static void Press(unsigned key) {
    GetInput()->OnKeyDown(key);
    GetInput()->Process();
    GetInput()->OnKeyUp(key);
    GetInput()->Process();
  }
  void BackToMenu() {
    GetGame()->SetGameMode(Game::GAMEMODE_MAINMENU);
    Settle();
  }
  GUI_MenuMain* menu = nullptr;
};

TEST_F(Menus, MainMenuButtonsLeadToTheirScreensAndSaveAndResumeNeedAGame) {
  EXPECT_FALSE(menu->GetSaveButton()->IsVisible());
  EXPECT_FALSE(menu->GetResumeButton()->IsVisible());
  // Nothing takes a click where the hidden buttons stand.
  ClickAt(menu->GetResumeButton());
  ClickAt(menu->GetSaveButton());
  EXPECT_EQ(GetGame()->GetGameMode(), Game::GAMEMODE_MAINMENU);

  struct Case {
    GUI_IconButton* button;
    int mode;
  };
  const Case always[] = {{menu->GetOptionsButton(), Game::GAMEMODE_OPTIONS},
                         {menu->GetStartGameButton(), Game::GAMEMODE_NEWGAME},
                         {menu->GetCreditsButton(), Game::GAMEMODE_CREDITS},
                         {menu->GetLoadButton(), Game::GAMEMODE_LOAD}};
  for (const Case& c : always) {
    EXPECT_TRUE(c.button->IsVisible());
    EXPECT_EQ(c.button->rect.top, (int)GUI_MenuMain::BUTTON_TOP);
    ClickAt(c.button);
    EXPECT_EQ(GetGame()->GetGameMode(), c.mode);
    BackToMenu();
  }

  GetGame()->SetGameInProgress(true);
  menu->Draw();
  const Case inGame[] = {{menu->GetSaveButton(), Game::GAMEMODE_SAVE},
                         {menu->GetResumeButton(), Game::GAMEMODE_INGAME},
                         {menu->GetLoadButton(), Game::GAMEMODE_LOAD}};
  for (const Case& c : inGame) {
    EXPECT_TRUE(c.button->IsVisible());
    ClickAt(c.button);
    EXPECT_EQ(GetGame()->GetGameMode(), c.mode);
    BackToMenu();
  }
}

TEST_F(Menus, EveryActivationRaisesTheButtonsIntoPlaceWithinOneSecond) {
  for (int visit = 0; visit < 2; ++visit) {
    GetGame()->SetGameMode(Game::GAMEMODE_MAINMENU);
    menu->Draw();
    EXPECT_EQ(menu->GetQuitButton()->rect.top, 901);
    g_now += 500;
    menu->Draw();
    EXPECT_EQ(menu->GetQuitButton()->rect.top, 801);
    EXPECT_EQ(menu->GetTutorialButton()->rect.top, 801);
    g_now += 500;
    menu->Draw();
    EXPECT_EQ(menu->GetQuitButton()->rect.top, 701);
    EXPECT_EQ(menu->GetResumeButton()->rect.top, 701);
  }
  // Along the strip: tutorial, start, save, load, options, resume; credits and quit at the right.
  EXPECT_EQ(menu->GetTutorialButton()->rect.left, 10);
  EXPECT_EQ(menu->GetOptionsButton()->rect.left, 450);
  EXPECT_EQ(menu->GetResumeButton()->rect.left, 560);
  EXPECT_EQ(menu->GetCreditsButton()->rect.left, 1024 - 188);
  EXPECT_EQ(menu->GetQuitButton()->rect.left, 1024 - 78);
}

TEST_F(Menus, QuitAsksFirstAndEscapeTakesTheQuestionBack) {
  ClickAt(menu->GetQuitButton());
  ASSERT_NE(GUI_ConfirmDialog::PTheWindow, nullptr);
  EXPECT_EQ(GUI_ConfirmDialog::PTheWindow->GetTitle(), GTranslation::GetString("CONFIRM_APP_QUIT_TITLE"));
  EXPECT_TRUE(BActive);
  // While the question is open the menu's buttons take no click.
  ClickAt(menu->GetOptionsButton());
  EXPECT_EQ(GetGame()->GetGameMode(), Game::GAMEMODE_MAINMENU);
  // A second Escape takes the question back; Cancel does too.
  Press(53);
  EXPECT_EQ(GUI_ConfirmDialog::PTheWindow, nullptr);
  Press(53);
  ASSERT_NE(GUI_ConfirmDialog::PTheWindow, nullptr);
  ClickAt(GUI_ConfirmDialog::PTheWindow->GetCancelButton());
  EXPECT_EQ(GUI_ConfirmDialog::PTheWindow, nullptr);
  EXPECT_TRUE(BActive);
  // Return without Command does nothing here.
  Press(36);
  EXPECT_EQ(GetGame()->GetGameMode(), Game::GAMEMODE_MAINMENU);
  Press(53);
  ClickAt(GUI_ConfirmDialog::PTheWindow->GetOkButton());
  EXPECT_FALSE(BActive);
}

TEST_F(Menus, OptionsAndCurrencyReachTheOptionsFile) {
  SIM_PlayerOptions* options = SIM_GetPlayerOptions();
  ASSERT_TRUE(options->GetToggle(SIM_PlayerOptions::TOGGLE_AUTOSAVE));
  ClickAt(menu->GetOptionsButton());
  GUI_MenuOptions* screen = GUI_GetMenuOptions();
  ASSERT_EQ(GetGame()->GetCurrentMode(), screen);
  EXPECT_TRUE(screen->GetAutosaveBox()->IsChecked());
  // Only the box itself takes the click.
  ClickAt(screen->GetAutosaveBox()->GetBox().GetCenterX(), screen->GetAutosaveBox()->GetBox().GetCenterY());
  ClickAt(screen->GetMusicBox()->GetBox().GetCenterX(), screen->GetMusicBox()->GetBox().GetCenterY());
  EXPECT_FALSE(screen->GetAutosaveBox()->IsChecked());
  EXPECT_FALSE(options->GetToggle(SIM_PlayerOptions::TOGGLE_AUTOSAVE));
  EXPECT_FALSE(options->GetToggle(SIM_PlayerOptions::TOGGLE_MUSIC));

  // On to the currency chooser; its back button leads to the main menu, not here.
  ClickAt(screen->GetCurrencyButton());
  GUI_CurrencyChooser* chooser = GUI_GetCurrencyChooser();
  ASSERT_EQ(GetGame()->GetCurrentMode(), chooser);
  EXPECT_STREQ(chooser->GetCurrencyButton(0)->GetSymbol(), "$");
  EXPECT_STREQ(chooser->GetCurrencyButton(1)->GetSymbol(), "\xA3");
  EXPECT_STREQ(chooser->GetCurrencyButton(2)->GetSymbol(), "\x80");
  ClickAt(chooser->GetCurrencyButton(1));
  EXPECT_STREQ(GetGame()->GetCurrency(), "\xA3");
  EXPECT_TRUE(chooser->GetCurrencyButton(1)->IsCurrent());
  EXPECT_FALSE(chooser->GetCurrencyButton(0)->IsCurrent());
  Press(53);  // no key leaves the chooser
  EXPECT_EQ(GetGame()->GetCurrentMode(), chooser);
  ClickAt(chooser->GetBackButton());
  EXPECT_EQ(GetGame()->GetGameMode(), Game::GAMEMODE_MAINMENU);

  // The chooser does not save; leaving the options does.
  ClickAt(menu->GetOptionsButton());
  ClickAt(screen->GetBackButton());
  EXPECT_EQ(GetGame()->GetGameMode(), Game::GAMEMODE_MAINMENU);
  SIM_PlayerOptions reread;
  reread.Load();
  EXPECT_FALSE(reread.GetToggle(SIM_PlayerOptions::TOGGLE_AUTOSAVE));
  EXPECT_FALSE(reread.GetToggle(SIM_PlayerOptions::TOGGLE_MUSIC));
  EXPECT_EQ(reread.GetString(SIM_PlayerOptions::STRING_CURRENCY), "\xA3");
}

TEST_F(Menus, ReturnOnTheOptionsEntersOnlyAGameInProgress) {
  GetGame()->SetGameMode(Game::GAMEMODE_OPTIONS);
  Press(36);
  EXPECT_EQ(GetGame()->GetGameMode(), Game::GAMEMODE_MAINMENU);
  GetGame()->SetGameInProgress(true);
  GetGame()->SetGameMode(Game::GAMEMODE_OPTIONS);
  Press(36);
  EXPECT_EQ(GetGame()->GetGameMode(), Game::GAMEMODE_INGAME);
  GetGame()->SetGameMode(Game::GAMEMODE_OPTIONS);
  Press(53);
  EXPECT_EQ(GetGame()->GetGameMode(), Game::GAMEMODE_MAINMENU);
}

TEST_F(Menus, TheIntroWritesItsTextSignedWithTheForenameAndStartsTheGame) {
  GUI_MenuNew::Get()->GetForenameEditor()->SetName("Anne");
  GUI_MenuNew::Start(0);
  GetGame()->SetGameMode(Game::GAMEMODE_INTRO);
  GUI_MenuIntro* intro = GUI_GetMenuIntro();
  ASSERT_EQ(GetGame()->GetCurrentMode(), intro);
  D3DEngine::GetRecorder().Clear();
  intro->Draw();
  EXPECT_NE(D3DEngine::GetRecorder().FindText("Anne"), nullptr);
  EXPECT_NE(D3DEngine::GetRecorder().FindText(GTranslation::GetString("INTRO_TITLE")), nullptr);
  // Escape goes back; the next visit writes from the start again.
  Press(53);
  EXPECT_EQ(GetGame()->GetGameMode(), Game::GAMEMODE_MAINMENU);
  GetGame()->SetGameMode(Game::GAMEMODE_INTRO);
  EXPECT_EQ(intro->GetWrittenCharacters(), 0.0f);
  ClickAt(intro->GetStartButton());
  EXPECT_EQ(GetGame()->GetGameMode(), Game::GAMEMODE_INGAME);
  // The click that started the game does not also press the first page's button beneath it.
  EXPECT_NE(GUI_WokeUpScreen::PTheWindow, nullptr);
  EXPECT_TRUE(GetGame()->GetGameInProgress());
  std::string log = testsupport::ReadFile(GetDebug()->GetPath());
  EXPECT_EQ(log.find("Alert"), std::string::npos) << log;
}

TEST_F(Menus, TutorialStartsTheTutorialGame) {
  ClickAt(menu->GetTutorialButton());
  EXPECT_TRUE(GUI_Tutorial::IsRunning());
  EXPECT_EQ(GetGame()->GetGameMode(), Game::GAMEMODE_INGAME);
  EXPECT_EQ(GUI_Tutorial::GetCurrentStep(), 0);
}

}  // namespace
