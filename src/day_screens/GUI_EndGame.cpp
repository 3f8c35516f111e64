#include "GUI_EndGame.h"

#include "GUI_ButtonText.h"
#include "GUI_Fireworks.h"
#include "GUI_ParticleManager.h"
#include "Game.h"
#include "LibTextEngine.h"
#include "SIM_SIM.h"
#include "SIM_Statistics.h"

GUI_EndGame* GUI_EndGame::PTheWindow = nullptr;

void GUI_EndGame::Create() {
  delete PTheWindow;
  PTheWindow = nullptr;
  GUI_EndGame* screen = new GUI_EndGame();
  screen->Initialise();
}

void GUI_EndGame::Close() {
  delete PTheWindow;
  PTheWindow = nullptr;
}

void GUI_EndGame::Continue(int) {
  Close();
  SIM_GetSim()->FinishNight(true);
}

void GUI_EndGame::MainMenu(int) {
  Close();
  Game* game = GetGame();
  game->SetGameInProgress(false);
  game->SetGameMode(Game::GAMEMODE_MAINMENU);
}

GUI_EndGame::GUI_EndGame() : GUI_YearlyReview("ENDGAME_TITLE") { PTheWindow = this; }

GUI_EndGame::~GUI_EndGame() {
  // The bursts belong to this page: leaving it ends the display, so none are left hanging to flash
  // up the next time the page opens.
  GetFireworks()->StopDisplay();
  if (PTheWindow == this) PTheWindow = nullptr;
  if (GUI_YearlyReview::PTheWindow == this) GUI_YearlyReview::PTheWindow = nullptr;
}

void GUI_EndGame::Initialise() {
  m_endGame = true;
  GUI_YearlyReview::Initialise();
  const RECT& panel = GetPanel();
  const float left = (float)panel.left;
  const float right = (float)panel.right;
  const float bottom = (float)panel.bottom;

  m_mainMenuButton = new GUI_ButtonText("ENDGAME_MAINMENU", MainMenu, 0);
  m_mainMenuButton->SetTooltip("ENDGAME_MAINMENU_TOOLTIP", 30);
  m_mainMenuButton->SetPosition(left + 20.0f, bottom - 50.0f, left + 200.0f, bottom - 28.0f);
  AddButton(m_mainMenuButton);

  m_continueButton = new GUI_ButtonText("ENDGAME_CONTINUE", Continue, 0);
  m_continueButton->SetTooltip("ENDGAME_CONTINUE_TOOLTIP", 30);
  m_continueButton->SetPosition(right - 200.0f, bottom - 50.0f, right - 20.0f, bottom - 28.0f);
  AddButton(m_continueButton);

  SIM_GetStatistics()->StopTimer();
  GetFireworks()->FireworkDisplay();
}

void GUI_EndGame::Draw() {
  DrawReview();
  GetTextEngine()->ProcessTextQueue(-1);
  GetFireworks()->Draw();
  GUI_ParticleManager::Draw();
}
