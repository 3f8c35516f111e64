#include "GUI_MenuIntro.h"

#include "CInput.h"
#include "D3DEngine.h"
#include "GTranslation.h"
#include "GUI_Avatar.h"
#include "GUI_Backdrop.h"
#include "GUI_GUI.h"
#include "GUI_IconButton.h"
#include "GUI_Sounds.h"
#include "Game.h"
#include "LibTextEngine.h"
#include "SIM_GameConfig.h"

namespace {
constexpr const char* kWritingSound = "data/sounds/writing.ogg";
constexpr uint32_t kInk = 0xB4000000u;  // black at alpha 180
}  // namespace

GUI_MenuIntro* GUI_GetMenuIntro() {
  static GUI_MenuIntro* menu = new GUI_MenuIntro;
  return menu;
}

GUI_MenuIntro::GUI_MenuIntro()
    : m_text(GTranslation::GetString("INTRO_TEXT")), m_title(GTranslation::GetString("INTRO_TITLE")) {
  const float W = D3DEngine::W;
  m_start = new GUI_IconButton("bigbuttons.dds", Start, 0);
  m_start->SetTooltip("TOOLTIP_MENU_INTROSTART", 30);
  m_start->SetCells(16, 6, 7);
  m_start->SetPosition(W - 78.0f, 701.0f, W - 10.0f, 769.0f);
  AddButton(m_start);
  m_diary.SetTexture("diary.dds");
  m_diary.SetSize(512.0f, 627.0f);
  m_diary.SetUV(0.0f, 0.0f, 1.0f, 627.0f / 1024.0f);
  SizeStrip(m_strip);
}

void GUI_MenuIntro::Activate() {
  m_written = 0.0f;
  GUI_GetSounds()->PlaySound(kWritingSound, false);
  GUI_GetSounds()->StopMusic();
  GUI_GetSounds()->StartMusic();
}

void GUI_MenuIntro::Draw() {
  GUI_GetBackdrop()->DrawWeatherBackdrop();
  m_diary.PlaceLocal(256.0f, D3DEngine::H - 20.0f - 627.0f / 2.0f);
  m_diary.Draw();
  m_strip.Draw();
  DrawButtons();
  GUI_GetAvatar()->Draw();

  LibTextEngine* text = GetTextEngine();
  text->SetCurrentFont("segoeprintbold22.dds", 22.0f);
  text->AddQueueString(m_title, 130.0f, 204.0f, kInk, 0.0f, LibTextEngine::ALIGN_LEFT);
  text->ProcessTextQueue(-1);
  text->SetCurrentFont("segoeprintbold20.dds", 20.0f);
  const float below = text->AddWrappedString(m_text, 130.0f, 260.0f, 340.0f, kInk);
  text->AddQueueString(SIM_GetGameConfig()->GetAvatarForeName(), 130.0f, below + 20.0f, kInk, 0.0f,
                       LibTextEngine::ALIGN_LEFT);
  m_written += GUI_GetGUI()->GetRenderThrottle();
  if (text->ProcessTextQueue((int)m_written)) {
    // All written: the pen falls silent.
    GUI_GetSounds()->StopSound(kWritingSound);
  }
  FinishDraw();
}

void GUI_MenuIntro::HandleKey(unsigned key) {
  if (key == 53) GetGame()->SetGameMode(Game::GAMEMODE_MAINMENU);
}

void GUI_MenuIntro::Start(int) {
  GUI_GetSounds()->StopSound(kWritingSound);
  // The new game lets go of the mouse button; the press that started it would then be seen as a
  // fresh one and land on the first page's button, which stands where this one does.
  CInput* input = GetInput();
  const bool held = input->leftDown;
  GetGame()->StartNewGame();
  if (held) input->leftDown = true;
}
