#include "GUI_MenuMain.h"

#include "CInput.h"
#include "D3DEngine.h"
#include "GTranslation.h"
#include "GUI_ButtonText.h"
#include "GUI_ConfirmDialog.h"
#include "GUI_Cursor.h"
#include "GUI_MenuNew.h"
#include "GUI_MenuStandIn.h"
#include "GUI_Sounds.h"
#include "GUI_Tooltip.h"
#include "GUI_Tutorial.h"
#include "Game.h"
#include "LibTextEngine.h"
#include "SIM_StandInLog.h"

namespace {
constexpr float kButtonWidth = 150.0f;
constexpr float kButtonHeight = 24.0f;
constexpr float kButtonGap = 20.0f;
}  // namespace

GUI_MenuMain* GUI_GetMenuMain() {
  static GUI_MenuMain* menu = new GUI_MenuMain;
  return menu;
}

GUI_MenuMain::GUI_MenuMain() {
  m_logo.SetTexture("logo.dds");
  m_logo.SetSize(1024.0f, 256.0f);
  m_strip.SetTexture("menu_strip.dds");
  m_tutorial = new GUI_ButtonText("MENU_TUTORIAL", Tutorial, 0);
  m_tutorial->SetTooltip("TOOLTIP_MENU_TUTORIAL", 30);
  m_buttons.AddButton(m_tutorial);
  m_newGame = new GUI_ButtonText("MENU_NEWGAME", NewGame, 0);
  std::string tooltip = GTranslation::GetString("TOOLTIP_MENU_NEWGAME");
  GTranslation::ReplaceToken(tooltip, "<TOWNNAME>", GetGame()->GetTownName());
  m_newGame->SetRawTooltip(tooltip, 30);
  m_buttons.AddButton(m_newGame);
  m_quit = new GUI_ButtonText("MENU_QUIT", QuitButton, 0);
  m_quit->SetTooltip("TOOLTIP_MENU_QUIT", 30);
  m_buttons.AddButton(m_quit);
  Reset();
}

void GUI_MenuMain::Reset() {
  const float W = D3DEngine::W;
  const float H = D3DEngine::H;
  m_strip.SetSize(W, 128.0f);
  m_strip.PlaceLocal(W / 2.0f, H - 64.0f);
  m_logo.PlaceLocal(W / 2.0f, H / 2.0f);
  // Side by side in the middle of the strip: tutorial, new game, quit.
  const float top = H - 76.0f;
  const float left = W / 2.0f - 1.5f * kButtonWidth - kButtonGap;
  GUI_ButtonText* row[] = {m_tutorial, m_newGame, m_quit};
  for (int i = 0; i < 3; ++i) {
    const float x = left + i * (kButtonWidth + kButtonGap);
    row[i]->SetPosition(x, top, x + kButtonWidth, top + kButtonHeight);
  }
}

void GUI_MenuMain::Activate() {
  STAND_IN();  // the main menu offers only Tutorial, New game and Quit
  m_buttons.ClearStates();
}

void GUI_MenuMain::ProcessInput() {
  GUI_GetSounds()->Process();
  if (GUI_ConfirmDialog* question = GUI_ConfirmDialog::PTheWindow) {
    question->ProcessInput();
    return;
  }
  m_buttons.ProcessInput();
}

bool GUI_MenuMain::CheckClick() {
  // The quit question is modal: while it is open nothing else takes a click.
  if (GUI_ConfirmDialog* question = GUI_ConfirmDialog::PTheWindow) {
    CInput* input = GetInput();
    question->CheckClick(input->mouseX, input->mouseY);
    return true;
  }
  return m_buttons.CheckClick();
}

void GUI_MenuMain::Draw() {
  GUI_MenuStandIn::DrawMenuBackdrop();
  m_logo.PlaceLocal(D3DEngine::W / 2.0f, D3DEngine::H / 2.0f);
  m_logo.Draw();
  m_strip.Draw();

  LibTextEngine* text = GetTextEngine();
  text->SetCurrentFont("anime14.dds", 14.0f);
  text->AddQueueString(GetGame()->GetVersionString(), D3DEngine::W - 300.0f, 10.0f, VBColor(255, 255, 255), 290.0f,
                       LibTextEngine::ALIGN_RIGHT);
  text->ProcessTextQueue(-1);

  m_buttons.DrawButtons();
  if (GUI_ConfirmDialog::PTheWindow) GUI_ConfirmDialog::PTheWindow->Draw();
  GUI_Tooltip::DrawAll();
  GUI_GetCursor()->Draw();
}

void GUI_MenuMain::HandleKey(unsigned key) {
  if (key == 36 && GetInput()->KeyDown(55)) {
    GetGame()->ToggleFullscreen();
  } else if (key == 53) {
    // A second Escape takes the question back.
    if (GUI_ConfirmDialog::PTheWindow) {
      GUI_ConfirmDialog::Close(0);
    } else {
      AttemptQuitGame(0);
    }
  }
}

void GUI_MenuMain::NewGame(int) {
  // The new-game screen and the intro come later; start the way their start button will.
  GUI_MenuNew::ApplyDefaultCharacter();
  GetGame()->StartNewGame();
}

void GUI_MenuMain::Tutorial(int) { GUI_Tutorial::Initialise(); }

void GUI_MenuMain::QuitButton(int) { GetGame()->Quit(); }

void GUI_MenuMain::AttemptQuitGame(int) {
  GUI_ConfirmDialog::Create(GTranslation::GetString("CONFIRM_APP_QUIT_TEXT"),
                            GTranslation::GetString("CONFIRM_APP_QUIT_TITLE"), QuitGame);
}

void GUI_MenuMain::QuitGame(int) { GetGame()->Quit(); }
