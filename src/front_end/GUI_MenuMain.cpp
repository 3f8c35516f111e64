#include "GUI_MenuMain.h"

#include "CInput.h"
#include "D3DEngine.h"
#include "GTranslation.h"
#include "GUI_AdvancedBackdrop.h"
#include "GUI_ConfirmDialog.h"
#include "GUI_IconButton.h"
#include "GUI_ScreenFader.h"
#include "GUI_Tutorial.h"
#include "Game.h"
#include "LibTextEngine.h"

GUI_MenuMain* GUI_GetMenuMain() {
  static GUI_MenuMain* menu = new GUI_MenuMain;
  return menu;
}

GUI_IconButton* GUI_MenuMain::AddMenuButton(const char* texture, GUI_ButtonBase::Callback callback, const char* tooltip,
                                            bool fadeFirst) {
  GUI_IconButton* button = new GUI_IconButton(texture, callback, 0);
  button->SetTooltip(tooltip, 30);
  if (fadeFirst) button->SetFadeFirst();
  AddButton(button);
  return button;
}

GUI_MenuMain::GUI_MenuMain() {
  m_quit = AddMenuButton("bigbuttons.dds", AttemptQuitGame, "TOOLTIP_QUITAPPBUTTON", false);
  m_quit->SetCells(16, 4, 5);
  m_options = AddMenuButton("bigbuttons.dds", Options, "TOOLTIP_MENU_OPTIONS", true);
  m_options->SetCells(16, 14, 15);
  m_startGame = AddMenuButton("bigbuttons.dds", StartGame, "TOOLTIP_MENU_STARTGAME", true);
  m_startGame->SetCells(16, 6, 7);
  m_tutorial = AddMenuButton("button_tutorial.dds", Tutorial, "TOOLTIP_MENU_TUTORIAL", true);
  m_tutorial->SetHighlightTexture("button_tutorial_h.dds");
  m_credits = AddMenuButton("button_credits.dds", Credits, "TOOLTIP_MENU_CREDITS", true);
  m_credits->SetHighlightTexture("button_credits_h.dds");
  m_save = AddMenuButton("button_save.dds", SaveGame, "TOOLTIP_MENU_SAVEGAME", true);
  m_save->SetHighlightTexture("button_save_h.dds");
  m_load = AddMenuButton("button_load.dds", LoadGame, "TOOLTIP_MENU_LOADGAME", true);
  m_load->SetHighlightTexture("button_load_h.dds");
  m_resume = AddMenuButton("button_resume.dds", Resume, "TOOLTIP_MENU_RESUMEGAME", true);
  m_resume->SetHighlightTexture("button_resume_h.dds");

  m_logo.SetTexture("logo.dds");
  m_logo.SetSize(1024.0f, 256.0f);
  PositionMenuButtons(1.0f);
  Reset();
}

void GUI_MenuMain::Reset() {
  SizeStrip(m_strip);
  SizeBackdrop(m_backdrop);
}

void GUI_MenuMain::PositionMenuButtons(float t) {
  const float top = BUTTON_TOP + (SLIDE_DISTANCE - SLIDE_DISTANCE * t);
  const float bottom = top + BUTTON_SIZE;
  const float quitLeft = D3DEngine::W - 10.0f - BUTTON_SIZE;
  m_quit->SetPosition(quitLeft, top, quitLeft + BUTTON_SIZE, bottom);
  m_credits->SetPosition(quitLeft - 110.0f, top, quitLeft - 110.0f + BUTTON_SIZE, bottom);
  // Left to right along the strip, 110 pixels apart.
  GUI_IconButton* row[] = {m_tutorial, m_startGame, m_save, m_load, m_options, m_resume};
  float left = 10.0f;
  for (GUI_IconButton* button : row) {
    button->SetPosition(left, top, left + BUTTON_SIZE, bottom);
    left += 110.0f;
  }
}

void GUI_MenuMain::Activate() {
  m_slideTimer.StartTimer();
  m_settle = true;
  GUI_GetAdvancedBackdrop()->ForceStyle(1);
  GUI_GetFader()->FadeIn();
}

void GUI_MenuMain::ProcessInput() {
  if (GUI_ConfirmDialog* question = GUI_ConfirmDialog::PTheWindow) {
    question->ProcessInput();
    return;
  }
  GUI_MenuBase::ProcessInput();
}

bool GUI_MenuMain::CheckClick() {
  // The quit question is modal: while it is open nothing else takes a click.
  if (GUI_ConfirmDialog* question = GUI_ConfirmDialog::PTheWindow) {
    CInput* input = GetInput();
    return question->CheckClick(input->mouseX, input->mouseY);
  }
  return GUI_MenuBase::CheckClick();
}

void GUI_MenuMain::Draw() {
  const float W = D3DEngine::W;
  const float H = D3DEngine::H;
  m_slideTimer.Update();
  const double elapsed = m_slideTimer.GetElapsed();
  if (elapsed < (double)SLIDE_MS) {
    float t = (float)elapsed / SLIDE_MS;
    if (t < 0.0f) t = 0.0f;
    if (t > 1.0f) t = 1.0f;
    m_strip.PlaceLocal(W / 2.0f, H - 64.0f + (SLIDE_DISTANCE - SLIDE_DISTANCE * t));
    PositionMenuButtons(t);
  } else if (m_settle) {
    m_settle = false;
    m_strip.PlaceLocal(W / 2.0f, H - 64.0f);
    PositionMenuButtons(1.0f);
  }

  const bool inProgress = GetGame()->GetGameInProgress();
  m_save->SetVisible(inProgress);
  m_resume->SetVisible(inProgress);

  GetD3DEngine()->SetTexture(0, 0);
  m_backdrop.PlaceLocal(W / 2.0f, H / 2.0f);
  m_backdrop.DrawNoChecks();
  m_logo.PlaceLocal(W / 2.0f, H / 2.0f);
  m_logo.Draw();
  m_strip.Draw();

  LibTextEngine* text = GetTextEngine();
  text->SetCurrentFont("anime14.dds", 14.0f);
  text->AddQueueString(GetGame()->GetVersionString(), W - 300.0f, 10.0f, TEXT_WHITE, 290.0f,
                       LibTextEngine::ALIGN_RIGHT);
  text->ProcessTextQueue(-1);

  DrawButtons();
  if (GUI_ConfirmDialog::PTheWindow) GUI_ConfirmDialog::PTheWindow->Draw();
  FinishDraw();
}

void GUI_MenuMain::HandleKey(unsigned key) {
  if (key == 36 && GetInput()->KeyDown(55)) {
    GetGame()->ToggleFullscreen();
  } else if (key == 53) {
    // Escape closes a question everywhere else in the game, so a second one takes it back here too.
    if (GUI_ConfirmDialog::PTheWindow) {
      GUI_ConfirmDialog::Close(0);
    } else {
      AttemptQuitGame(0);
    }
  }
}

void GUI_MenuMain::AttemptQuitGame(int) {
  GUI_ConfirmDialog::Create(GTranslation::GetString("CONFIRM_APP_QUIT_TEXT"),
                            GTranslation::GetString("CONFIRM_APP_QUIT_TITLE"), QuitGame);
}

void GUI_MenuMain::QuitGame(int) { GetGame()->Quit(); }
void GUI_MenuMain::Options(int) { GetGame()->SetGameMode(Game::GAMEMODE_OPTIONS); }
void GUI_MenuMain::StartGame(int) { GetGame()->SetGameMode(Game::GAMEMODE_NEWGAME); }
void GUI_MenuMain::Tutorial(int) { GUI_Tutorial::Initialise(); }
void GUI_MenuMain::Credits(int) { GetGame()->SetGameMode(Game::GAMEMODE_CREDITS); }
void GUI_MenuMain::SaveGame(int) { GetGame()->SetGameMode(Game::GAMEMODE_SAVE); }
void GUI_MenuMain::LoadGame(int) { GetGame()->SetGameMode(Game::GAMEMODE_LOAD); }
void GUI_MenuMain::Resume(int) { GetGame()->SetGameMode(Game::GAMEMODE_INGAME); }
