// The main menu as it stands until the real menus arrive: "Tutorial" starts the tutorial, "New
// game" starts a game on the first morning's page, Escape asks before quitting (and a second Escape takes the question
// back), and "Quit" quits.
#include <gtest/gtest.h>

#include <cstdlib>

#include "CInput.h"
#include "GTranslation.h"
#include "GUI_ButtonText.h"
#include "GUI_ConfirmDialog.h"
#include "GDebug.h"
#include "GUI_MenuMain.h"
#include "GUI_Tutorial.h"
#include "GUI_WokeUpScreen.h"
#include "Game.h"
#include "SIM_GameConfig.h"
#include "SIM_SIM.h"
#include "TestSupport.h"
#include "winmain.h"

namespace {

class MainMenu : public ::testing::Test {
 protected:
  void SetUp() override {
    BActive = GetGame()->InitApp();
    ASSERT_EQ(GetGame()->GetGameMode(), Game::GAMEMODE_MAINMENU);
    menu = GUI_GetMenuMain();
  }
  // A click at the element as the input layer delivers it to the current mode.
  static void ClickAt(const GUI_BaseElement* element) {
    GetInput()->OnMouseMove(element->GetCenterX(), element->GetCenterY());
    GetInput()->OnLeftButton(true);
    GetInput()->Process();
    GetInput()->OnLeftButton(false);
    GetInput()->Process();
  }
  static void Press(unsigned key) {
    GetInput()->OnKeyDown(key);
    GetInput()->Process();
    GetInput()->OnKeyUp(key);
    GetInput()->Process();
  }
  GUI_MenuMain* menu = nullptr;
};

TEST_F(MainMenu, NewGameStartsAGameOnTheFirstMorning) {
  ClickAt(menu->GetNewGameButton());
  EXPECT_EQ(GetGame()->GetGameMode(), Game::GAMEMODE_INGAME);
  EXPECT_TRUE(GetGame()->GetGameInProgress());
  EXPECT_EQ(SIM_GetSim()->GetTurnMode(), SIM_SIM::TURNMODE_WOKEUP);
  EXPECT_NE(GUI_WokeUpScreen::PTheWindow, nullptr);
  // Until the avatar builder exists the game picks the character's look: no error on the way.
  EXPECT_EQ(SIM_GetGameConfig()->GetAvatarTexture(), "m_avatar.dds");
  std::string log = testsupport::ReadFile(GetDebug()->GetPath());
  EXPECT_EQ(log.find("Alert"), std::string::npos) << log;
}

TEST_F(MainMenu, TutorialStartsTheTutorialGame) {
  ClickAt(menu->GetTutorialButton());
  EXPECT_TRUE(GUI_Tutorial::IsRunning());
  EXPECT_EQ(GetGame()->GetGameMode(), Game::GAMEMODE_INGAME);
  EXPECT_EQ(GUI_Tutorial::GetCurrentStep(), 0);
}

TEST_F(MainMenu, EscapeAsksBeforeQuittingAndQuitQuits) {
  Press(53);
  ASSERT_NE(GUI_ConfirmDialog::PTheWindow, nullptr);
  EXPECT_EQ(GUI_ConfirmDialog::PTheWindow->GetTitle(), GTranslation::GetString("CONFIRM_APP_QUIT_TITLE"));
  // While the question is open the menu's buttons take no click.
  ClickAt(menu->GetNewGameButton());
  EXPECT_EQ(GetGame()->GetGameMode(), Game::GAMEMODE_MAINMENU);
  // A second Escape takes the question back; nothing quits.
  Press(53);
  EXPECT_EQ(GUI_ConfirmDialog::PTheWindow, nullptr);
  EXPECT_TRUE(BActive);

  // Cancel leaves everything as it was; OK quits.
  Press(53);
  ClickAt(GUI_ConfirmDialog::PTheWindow->GetCancelButton());
  EXPECT_EQ(GUI_ConfirmDialog::PTheWindow, nullptr);
  EXPECT_TRUE(BActive);
  Press(53);
  ClickAt(GUI_ConfirmDialog::PTheWindow->GetOkButton());
  EXPECT_FALSE(BActive);

  BActive = true;
  ClickAt(menu->GetQuitButton());
  EXPECT_FALSE(BActive);
}

}  // namespace
