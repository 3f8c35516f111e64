#include "Game.h"

#include <cstdio>
#include <cstring>

#include "CInput.h"
#include "D3DEngine.h"
#include "Display.h"
#include "GDIText.h"
#include "GDebug.h"
#include "GTranslation.h"
#include "GUI_Credits.h"
#include "GUI_CurrencyChooser.h"
#include "GUI_GUI.h"
#include "GUI_GameModeBase.h"
#include "GUI_LoadingScreen.h"
#include "GUI_MenuIntro.h"
#include "GUI_MenuLoad.h"
#include "GUI_MenuMain.h"
#include "GUI_MenuNew.h"
#include "GUI_MenuOptions.h"
#include "GUI_MenuSave.h"
#include "GUI_ScreenFader.h"
#include "GUI_Sounds.h"
#include "GUI_Tutorial.h"
#include "LibTextChunkList.h"
#include "LibTextEngine.h"
#include "MacFile.h"
#include "Paths.h"
#include "PlayerActionsLog.h"
#include "PrivateProfile.h"
#include "PublisherLogo.h"
#include "SIM_PlayerOptions.h"
#include "SIM_SIM.h"
#include "SIM_Script.h"
#include "SIM_Statistics.h"
#include "SmartTexture.h"
#include "Version.h"
#include "winmain.h"

namespace {

Game* g_game = nullptr;
constexpr int MODECOUNT = 10;
GUI_GameModeBase* g_modeOverride[MODECOUNT] = {};

const char* kConfigFile = "data\\config.ziz";

std::string Formatted(const char* format, const std::string& folder) {
  char path[1024];
  std::snprintf(path, sizeof path, format, folder.c_str());
  return path;
}

}  // namespace

Game* GetGame() {
  if (!g_game) g_game = new Game;
  return g_game;
}

Game::Game() {
  m_version = GetAppVersionString();
  m_townName = "Zevuzoziro";

  int width = 0, height = 0;
  if (GetMainDisplaySize(&width, &height)) canGoWindowed = height > 768;

  // The input manager knows no game: tell it where clicks, keys and the wheel go.
  CInputRoutes routes;
  routes.checkClick = [] { GetGame()->CheckClick(); };
  routes.checkRightClick = [] { GetGame()->CheckRightClick(); };
  routes.mouseWheelUp = [] { GetGame()->MouseWheelUp(); };
  routes.mouseWheelDown = [] { GetGame()->MouseWheelDown(); };
  routes.handleKey = [](unsigned key) { GetGame()->HandleKey(key); };
  routes.leftMouseUp = [] { GUI_GetGUI()->LeftMouseUp(); };
  GetInput()->SetRoutes(routes);
}

bool Game::InitApp() {
  m_screenScale = 1.0f;

  GetDebug()->Initialise();
  char banner[2048];
  std::snprintf(banner, sizeof banner, "Vorla 2 Debug File. App version %s", m_version.c_str());
  GetDebug()->DebugOut(banner);

  InitDirectories();
  GetPlayerActionsLog()->Load();
  Init3D();
  GetPublisherLogo()->Run();

  GUI_LoadingScreen* loading = GUI_GetLoadingScreen();
  loading->Draw(0.0f);
  InitText();
  GetInput()->Initialise(gInstance, gWnd);
  loading->Draw(0.25f);
  SIM_GetSim()->Open();
  loading->Draw(0.5f);
  GUI_GetGUI()->Open();
  loading->Draw(1.0f);

  m_gameInProgress = false;
  m_initialised = true;
  // The field holds three characters and a terminator; a longer text is cut, never left open.
  std::string currency = SIM_GetPlayerOptions()->GetString(0);
  std::snprintf(m_currency, sizeof m_currency, "%s", currency.c_str());

  SetGameMode(GAMEMODE_MAINMENU);
  return true;
}

void Game::InitDirectories() {
  std::string user = GetUserFolder();
  std::string preferences = user.substr(0, user.rfind('/'));
  EnsureDirectoryExists(preferences.c_str());

  m_userDir = user;
  EnsureDirectoryExists(m_userDir.c_str());
  m_saveGamesDir = Formatted("%s/savegames", m_userDir);
  EnsureDirectoryExists(m_saveGamesDir.c_str());
  EnsureDirectoryExists(Formatted("%s/avatars", m_userDir).c_str());
  EnsureDirectoryExists(Formatted("%s/mods", m_userDir).c_str());
  EnsureDirectoryExists(Formatted("%s/mods/layers", m_userDir).c_str());
  m_modClassesDir = Formatted("%s/mods/classes", m_userDir);
  EnsureDirectoryExists(m_modClassesDir.c_str());
  m_modJobsDir = Formatted("%s/mods/jobs", m_userDir);
  EnsureDirectoryExists(m_modJobsDir.c_str());
  EnsureDirectoryExists(Formatted("%s/mods/scripts", m_userDir).c_str());
  EnsureDirectoryExists(Formatted("%s/mods/bitmaps", m_userDir).c_str());
  // The portrait database also reads the player's own portraits; make the folders they go in.
  EnsureDirectoryExists(Formatted("%s/mods/portraits_m", m_userDir).c_str());
  EnsureDirectoryExists(Formatted("%s/mods/portraits_f", m_userDir).c_str());
}

void Game::Init3D() {
  int width = 1024;
  int height = 768;
  bool windowed = GetPrivateProfileInt("config", "IsWindowed", 0, kConfigFile) != 0;
  int displayWidth = 0, displayHeight = 0;
  if (!windowed && GetMainDisplaySize(&displayWidth, &displayHeight) && displayWidth == 1280 &&
      (displayHeight == 768 || displayHeight == 800)) {
    width = 1280;
  }
  D3DEngine* engine = GetD3DEngine();
  engine->Initialise(gWnd, nullptr, width, height, 32, false, false);
  m_screenScale = 1.0f;
  // The directories outlive a display switch; adding them again would only search them twice.
  if (engine->GetBitmapDirectories().empty()) {
    engine->AddBitmapDirectories("data/bitmaps", true);
    engine->AddBitmapDirectories(m_userDir, false);
  }
}

void Game::InitText() { GetTextEngine()->LoadFonts(); }

void Game::GameProc() {
  D3DEngine* engine = GetD3DEngine();
  engine->BeginRender();
  GetInput()->Process();
  if (BActive) {
    GUI_GetGUI()->UpdateRenderThrottle();
    if (m_currentMode) {
      m_currentMode->ProcessInput();
      m_currentMode->Draw();
    }
    GUI_GetFader()->Draw();
    engine->EndRender();
    engine->Flip();
  } else {
    // A quit was asked for during input: nothing more is drawn.
    ReleaseResources();
  }
}

GUI_GameModeBase* Game::ModeObject(int mode) const {
  if (mode >= 0 && mode < MODECOUNT && g_modeOverride[mode]) return g_modeOverride[mode];
  switch (mode) {
    case GAMEMODE_MAINMENU: return GUI_GetMenuMain();
    case GAMEMODE_OPTIONS: return GUI_GetMenuOptions();
    case GAMEMODE_CURRENCY: return GUI_GetCurrencyChooser();
    case GAMEMODE_NEWGAME: return GUI_MenuNew::Get();
    case GAMEMODE_INTRO: return GUI_GetMenuIntro();
    case GAMEMODE_SAVE: return GUI_GetMenuSave();
    case GAMEMODE_LOAD: return GUI_GetMenuLoad();
    case GAMEMODE_CREDITS: return GUI_GetCredits();
    case GAMEMODE_INGAME: return GUI_GetGUI();
    default: return nullptr;
  }
}

void Game::SetModeObject(int mode, GUI_GameModeBase* object) {
  if (mode >= 0 && mode < MODECOUNT) g_modeOverride[mode] = object;
}

void Game::SetGameMode(int mode) {
  m_gameMode = mode;
  GUI_GameModeBase* previous = m_currentMode;
  if (GUI_GameModeBase* next = ModeObject(mode)) m_currentMode = next;
  if (m_currentMode != previous) {
    if (previous) previous->Deactivate();
    GUI_GetSounds()->StartMusic();
  }
  if (m_currentMode) m_currentMode->Activate();
}

void Game::StartNewGame() {
  m_currentGameName = GTranslation::GetString("DEFAULT");
  SIM_GetSim()->Reset();
  GUI_GetGUI()->StartNewGame();
  SetGameMode(GAMEMODE_INGAME);
  m_gameInProgress = true;
  SIM_GetStatistics()->StartTimer();
  if (!GUI_Tutorial::IsRunning()) SIM_GetScript()->RunScript("birthday_party.txt", 1.0f);
}

void Game::ToggleFullscreen() {
  int windowed = GetPrivateProfileInt("config", "IsWindowed", 0, kConfigFile);
  if (windowed == 0 && !canGoWindowed) return;
  WritePrivateProfileInt("config", "IsWindowed", windowed == 1 ? 0 : 1, kConfigFile);
  GDIText::DeleteFonts();
  GetD3DEngine()->Release();
  Init3D();
  GetInput()->Initialise(gInstance, gWnd);
  RebuildSurfaces();
  GUI_GetGUI()->ResetScreenSize();
}

void Game::RebuildSurfaces() {
  GetDebug()->DebugOut("Begin RebuildSurfaces()");
  D3DEngine* engine = GetD3DEngine();
  engine->ReleaseAllSurfaces();
  engine->RestoreSurfaces();
  SmartTexture::RebuildAll();
  LibTextChunkList::RebuildAll();
  engine->RedrawNextFrame();
  GetDebug()->DebugOut("End RebuildSurfaces()");
}

void Game::Pause() {
  GUI_GetSounds()->MuteMusic();
  if (m_currentMode) m_currentMode->Deactivate();
}

void Game::Resume() {
  GUI_GetSounds()->RefreshMusicVolume();
  if (m_currentMode) m_currentMode->Activate();
}

void Game::Quit() { BActive = false; }

void Game::ReleaseResources() {
  GetPlayerActionsLog()->Save();
  GUI_GetGUI()->Close();
  SIM_GetSim()->Close();
  GetD3DEngine()->Release();
  GetDebug()->Shutdown();
  BActive = false;
  QuitEventLoop();
}

void Game::HandleKey(unsigned key) {
  if (m_currentMode) m_currentMode->HandleKey(key);
}

void Game::CheckClick() {
  if (m_currentMode) m_currentMode->CheckClick();
}

void Game::CheckRightClick() {
  if (m_currentMode && m_currentMode == GUI_GetGUI()) GUI_GetGUI()->CheckRightClick();
}

void Game::MouseWheelUp() {
  if (m_currentMode) m_currentMode->MouseWheelUp();
}

void Game::MouseWheelDown() {
  if (m_currentMode) m_currentMode->MouseWheelDown();
}

std::string Game::GetBestMusic() {
  if (!m_currentMode) return "Results Menu.ogg";
  return m_currentMode->GetBestMusic();
}

void Game::SetCurrency(const char* text) {
  if (!text) text = "";
  std::snprintf(m_currency, sizeof m_currency, "%s", text);
  SIM_GetPlayerOptions()->SetString(0, text);
}
