#pragma once
// The main menu (game mode 0), the first screen after start-up and the hub of the front end: start,
// resume, save or load a game, the options, the credits, the tutorial and quit. After every
// activation the strip and its eight buttons rise 200 pixels into place within one second. Save
// and resume are offered only while a game is in progress. Escape asks whether to quit;
// Command+Return switches between window and full screen.
#include <string>

#include "BaseSprite.h"
#include "CTexturedSprite.h"
#include "GTimer.h"
#include "GUI_MenuBase.h"

class GUI_IconButton;

class GUI_MenuMain : public GUI_MenuBase {
 public:
  static constexpr float SLIDE_MS = 1000.0f;
  static constexpr float SLIDE_DISTANCE = 200.0f;
  static constexpr float BUTTON_SIZE = 68.0f;
  static constexpr float BUTTON_TOP = 701.0f;

  GUI_MenuMain();
  ~GUI_MenuMain() override = default;
  void Draw() override;
  void HandleKey(unsigned key) override;
  void ProcessInput() override;
  bool CheckClick() override;
  void Activate() override;

  // Lays the strip and the backdrop out again after the screen size changed.
  void Reset();
  // The buttons at slide fraction t (1: in place, 0: 200 pixels below).
  void PositionMenuButtons(float t);

  // The buttons' callbacks; the int is not read.
  static void AttemptQuitGame(int);
  static void QuitGame(int);
  static void Options(int);
  static void StartGame(int);
  static void Tutorial(int);
  static void Credits(int);
  static void SaveGame(int);
  static void LoadGame(int);
  static void Resume(int);

  GUI_IconButton* GetQuitButton() const { return m_quit; }
  GUI_IconButton* GetOptionsButton() const { return m_options; }
  GUI_IconButton* GetStartGameButton() const { return m_startGame; }
  GUI_IconButton* GetTutorialButton() const { return m_tutorial; }
  GUI_IconButton* GetCreditsButton() const { return m_credits; }
  GUI_IconButton* GetSaveButton() const { return m_save; }
  GUI_IconButton* GetLoadButton() const { return m_load; }
  GUI_IconButton* GetResumeButton() const { return m_resume; }

 private:
  GUI_IconButton* AddMenuButton(const char* texture, GUI_ButtonBase::Callback callback, const char* tooltip, bool fadeFirst);

  // Owned by the button list.
  GUI_IconButton* m_startGame = nullptr;
  GUI_IconButton* m_tutorial = nullptr;
  GUI_IconButton* m_options = nullptr;
  GUI_IconButton* m_quit = nullptr;
  GUI_IconButton* m_save = nullptr;
  GUI_IconButton* m_load = nullptr;
  GUI_IconButton* m_resume = nullptr;
  GUI_IconButton* m_credits = nullptr;
  CTexturedSprite m_logo;
  CTexturedSprite m_strip;
  BaseSprite m_backdrop;
  GTimer m_slideTimer;
  bool m_settle = false;
};

// The one object, made on the first call and never freed.
GUI_MenuMain* GUI_GetMenuMain();
