#include "GUI_MenuOptions.h"

#include "CInput.h"
#include "D3DEngine.h"
#include "GTranslation.h"
#include "GUI_ButtonText.h"
#include "GUI_CheckButton.h"
#include "GUI_IconButton.h"
#include "GUI_ScreenFader.h"
#include "GUI_SliderControl.h"
#include "GUI_Sounds.h"
#include "GUI_WindowBackground.h"
#include "Game.h"
#include "LibTextEngine.h"
#include "PrivateProfile.h"
#include "SIM_PlayerOptions.h"
#include "winmain.h"

namespace {
constexpr const char* kConfigFile = "data\\config.ziz";

bool IsFullScreen() { return GetPrivateProfileInt("config", "IsWindowed", 0, kConfigFile) == 0; }

GUI_CheckButton* MakeCheckBox(const char* label, const char* tooltip, GUI_ButtonBase::Callback callback,
                              int argument) {
  GUI_CheckButton* box = new GUI_CheckButton(GTranslation::GetString(label), callback, argument);
  box->SetTooltip(tooltip, 30);
  return box;
}
}  // namespace

GUI_MenuOptions* GUI_GetMenuOptions() {
  static GUI_MenuOptions* menu = new GUI_MenuOptions;
  return menu;
}

GUI_MenuOptions::GUI_MenuOptions() : m_title(GTranslation::GetString("MENU_GAME_OPTIONS")) {
  SIM_PlayerOptions* options = SIM_GetPlayerOptions();
  m_back = MakeBackButton(MainMenu);
  AddButton(m_back);
  m_fullScreen = MakeCheckBox("OPTIONS_FULLSCREEN", "OPTIONS_TOOLTIP_FULLSCREEN", FullScreen, 0);
  // Full screen only where the display is taller than the game's picture.
  m_fullScreenListed = canGoWindowed;
  if (m_fullScreenListed) AddButton(m_fullScreen);
  m_music = MakeCheckBox("OPTIONS_TOGGLEMUSIC", "OPTIONS_TOGGLEMUSIC_TOOLTIP", ToggleMusic, 0);
  AddButton(m_music);
  m_autosave = MakeCheckBox("OPTIONS_TOGGLEAUTOSAVE", "OPTIONS_TOGGLEAUTOSAVE_TOOLTIP", ToggleOption,
                            SIM_PlayerOptions::TOGGLE_AUTOSAVE);
  AddButton(m_autosave);
  m_sameSex = MakeCheckBox("OPTIONS_TOGGLESAMESEX", "OPTIONS_TOGGLESAMESEX_TOOLTIP", ToggleOption,
                           SIM_PlayerOptions::TOGGLE_SAMESEX);
  AddButton(m_sameSex);
  m_masterVolume = new GUI_SliderControl(options->GetOptionPointer(SIM_PlayerOptions::OPTION_MASTERVOLUME),
                                         "OPTIONS_MASTER_VOLUME", MasterVolumeChange);
  m_musicVolume = new GUI_SliderControl(options->GetOptionPointer(SIM_PlayerOptions::OPTION_MUSICVOLUME),
                                        "OPTIONS_MUSIC_VOLUME", VolumeChange);
  m_mouseSpeed = new GUI_SliderControl(options->GetOptionPointer(SIM_PlayerOptions::OPTION_MOUSESPEED),
                                       "OPTIONS_MOUSESPEED", MouseSpeedChange);
  m_currency = new GUI_ButtonText("CURRENCY_CHANGE", CurrencyOptions, 0);
  m_currency->SetTooltip("CURRENCY_CHANGE_TOOLTIP", 30);
  AddButton(m_currency);
}

GUI_MenuOptions::~GUI_MenuOptions() {
  delete m_masterVolume;
  delete m_musicVolume;
  delete m_mouseSpeed;
  if (!m_fullScreenListed) delete m_fullScreen;
}

void GUI_MenuOptions::Activate() {
  const float W = D3DEngine::W;
  const float H = D3DEngine::H;
  SetRect(&m_panel, 210, 110, (int)(W - 210.0f), (int)(H - 170.0f));
  PlaceBackButton(m_back);
  m_mouseSpeed->SetPosition(400.0f, 200.0f, 600.0f, 262.0f);
  m_musicVolume->SetPosition(400.0f, 270.0f, 600.0f, 332.0f);
  m_masterVolume->SetPosition(400.0f, 340.0f, 600.0f, 402.0f);

  const float boxTop = m_panel.top + 308.0f;
  const float leftColumn = W / 2.0f - 230.0f;
  const float rightColumn = W / 2.0f;
  m_fullScreen->SetPosition(leftColumn, boxTop, leftColumn + 200.0f, boxTop + 22.0f);
  m_music->SetPosition(leftColumn, boxTop + 50.0f, leftColumn + 200.0f, boxTop + 72.0f);
  m_autosave->SetPosition(rightColumn, boxTop, rightColumn + 200.0f, boxTop + 22.0f);
  m_sameSex->SetPosition(rightColumn, boxTop + 50.0f, rightColumn + 200.0f, boxTop + 72.0f);
  m_currency->SetPosition(m_panel.left + 100.0f, m_panel.bottom - 44.0f, m_panel.right - 100.0f,
                          m_panel.bottom - 20.0f);
  SizeStrip(m_strip);
  SizeBackdrop(m_backdrop);

  SIM_PlayerOptions* options = SIM_GetPlayerOptions();
  m_fullScreen->SetChecked(IsFullScreen());
  m_music->SetChecked(options->GetToggle(SIM_PlayerOptions::TOGGLE_MUSIC));
  m_autosave->SetChecked(options->GetToggle(SIM_PlayerOptions::TOGGLE_AUTOSAVE));
  m_sameSex->SetChecked(options->GetToggle(SIM_PlayerOptions::TOGGLE_SAMESEX));
  GUI_GetFader()->FadeIn();
}

void GUI_MenuOptions::Draw() {
  DrawFrame(m_backdrop, m_strip);
  GUI_WindowBackground::DrawTiled(m_panel, GUI_WindowBackground::PRESET_CLIENT, 38.0f, 1.0f);
  LibTextEngine* text = GetTextEngine();
  text->SetCurrentFont("calibriblackbold30.dds", 30.0f);
  text->AddQueueString(m_title, (float)m_panel.left, m_panel.top + 20.0f, TEXT_BLACK,
                       (float)(m_panel.right - m_panel.left), LibTextEngine::ALIGN_CENTER);
  text->ProcessTextQueue(-1);
  DrawButtons();
  m_mouseSpeed->Draw();
  m_musicVolume->Draw();
  m_masterVolume->Draw();
  FinishDraw();
}

void GUI_MenuOptions::HandleKey(unsigned key) {
  if (key == 36) {
    // Return goes back into the game only when there is one to go back to.
    GetGame()->SetGameMode(GetGame()->GetGameInProgress() ? Game::GAMEMODE_INGAME : Game::GAMEMODE_MAINMENU);
    SIM_GetPlayerOptions()->Save();
  } else if (key == 53) {
    GetGame()->SetGameMode(Game::GAMEMODE_MAINMENU);
    SIM_GetPlayerOptions()->Save();
  }
}

void GUI_MenuOptions::MouseSpeedChange() {
  GetInput()->SetMouseSpeed(SIM_GetPlayerOptions()->Get(SIM_PlayerOptions::OPTION_MOUSESPEED));
}

void GUI_MenuOptions::VolumeChange() { GUI_GetSounds()->RefreshMusicVolume(); }

void GUI_MenuOptions::MasterVolumeChange() { GUI_GetSounds()->RefreshMasterVolume(); }

void GUI_MenuOptions::ToggleOption(int toggle) {
  SIM_PlayerOptions* options = SIM_GetPlayerOptions();
  options->SetToggle(toggle, !options->GetToggle(toggle));
}

void GUI_MenuOptions::ToggleMusic(int) {
  SIM_PlayerOptions* options = SIM_GetPlayerOptions();
  const bool on = !options->GetToggle(SIM_PlayerOptions::TOGGLE_MUSIC);
  options->SetToggle(SIM_PlayerOptions::TOGGLE_MUSIC, on);
  if (on) {
    GUI_GetSounds()->StartMusic();
  } else {
    GUI_GetSounds()->StopMusic();
  }
}

void GUI_MenuOptions::FullScreen(int) {
  GetGame()->ToggleFullscreen();
  GUI_GetMenuOptions()->Activate();
}

void GUI_MenuOptions::CurrencyOptions(int) { GetGame()->SetGameMode(Game::GAMEMODE_CURRENCY); }

void GUI_MenuOptions::MainMenu(int) {
  GetGame()->SetGameMode(Game::GAMEMODE_MAINMENU);
  SIM_GetPlayerOptions()->Save();
}
