#pragma once
// The application object: start-up, the frame, the game modes, the switch between window and
// full screen, pause and resume, and the release of everything at the end. One object, made by
// the first GetGame() and never freed.
#include <string>

class GUI_GameModeBase;

class Game {
 public:
  enum GAMEMODE {
    GAMEMODE_MAINMENU = 0,
    GAMEMODE_OPTIONS = 1,
    GAMEMODE_CURRENCY = 2,
    GAMEMODE_NEWGAME = 3,
    GAMEMODE_INTRO = 4,
    GAMEMODE_SAVE = 5,
    GAMEMODE_LOAD = 6,
    GAMEMODE_CREDITS = 8,
    GAMEMODE_INGAME = 9,
  };

  Game();

  // The start-up sequence; always true (failures inside the steps are reported by the steps).
  bool InitApp();
  void InitDirectories();
  void Init3D();
  void InitText();

  // One frame: input, then the current mode's input and drawing, the fader and the flip; when a
  // quit was asked for during input, everything is released instead.
  void GameProc();

  // Stores the number and makes its mode current; a number without a mode keeps the current one.
  // A change of mode deactivates the old one and restarts the music; the mode set is always
  // activated, also when it was current already.
  void SetGameMode(int mode);
  int GetGameMode() const { return m_gameMode; }
  GUI_GameModeBase* GetCurrentMode() const { return m_currentMode; }

  void StartNewGame();
  void ToggleFullscreen();
  void RebuildSurfaces();
  void Pause();
  void Resume();
  void Quit();  // only clears the active flag; the frame that called it releases everything
  void ReleaseResources();

  // Forwarders of the input manager to the current mode.
  void HandleKey(unsigned key);
  void CheckClick();
  void CheckRightClick();  // reaches only the in-game mode
  void MouseWheelUp();
  void MouseWheelDown();

  // The current mode's music, or "Results Menu.ogg" before there is one.
  std::string GetBestMusic();

  // The currency symbol: at most three characters are kept; the whole text goes to the options.
  void SetCurrency(const char* text);
  const char* GetCurrency() const { return m_currency; }

  float AdjustForScreenRes(float value) const { return value * m_screenScale; }

  std::string GetUserDir() const { return m_userDir; }
  std::string GetSaveGamesDir() const { return m_saveGamesDir; }
  std::string GetModJobsDir() const { return m_modJobsDir; }
  std::string GetModClassesDir() const { return m_modClassesDir; }
  std::string GetTownName() const { return m_townName; }
  std::string GetCurrentGameName() const { return m_currentGameName; }
  std::string GetVersionString() const { return m_version; }
  bool GetGameInProgress() const { return m_gameInProgress; }
  bool IsInitialised() const { return m_initialised; }
  void SetTownName(const char* name) { m_townName = name ? name : ""; }
  void SetCurrentGameName(const char* name) { m_currentGameName = name ? name : ""; }
  void SetGameInProgress(bool inProgress) { m_gameInProgress = inProgress; }

  // Puts another object in place of a mode's own (null gives the mode back its own). For tools
  // and tests that drive the shell with modes of their own.
  static void SetModeObject(int mode, GUI_GameModeBase* object);

 private:
  GUI_GameModeBase* ModeObject(int mode) const;

  float m_screenScale = 1.0f;
  char m_currency[4] = {0};
  GUI_GameModeBase* m_currentMode = nullptr;
  bool m_gameInProgress = false;
  std::string m_saveGamesDir;
  std::string m_userDir;
  std::string m_modJobsDir;
  std::string m_modClassesDir;
  std::string m_townName;
  std::string m_currentGameName;
  std::string m_version;
  bool m_initialised = false;
  int m_gameMode = GAMEMODE_MAINMENU;
};

Game* GetGame();
