#pragma once
// The in-game mode (game mode 9): the town scene, the HUD panels and the windows over it, and the
// routing of the player's clicks, keys and wheel to them. Every in-game frame draws, in order: the
// sounds' per-frame step; the scene unless a full-screen window is open; the windows (or the
// full-screen window with the dialogs) and then the post-it notes; the tutorial's spotlight and
// window; the dragged person; the frame's tooltip; the debug panel; the cursor. The shell draws the
// screen fader after the mode, so a fade covers everything.
#include <string>

#include "GTimer.h"
#include "GUI_GameModeBase.h"

class GUI_WindowBase;

class GUI_GUI : public GUI_GameModeBase {
 public:
  GUI_GUI();
  virtual ~GUI_GUI();  // frees the hint data

  // The mode's operations, called by the shell.
  void Draw() override;
  void HandleKey(unsigned key) override;  // Mac virtual key codes
  void ProcessInput() override;
  bool CheckClick() override;  // true when a window took the click
  void Activate() override;
  void Deactivate() override;
  void MouseWheelUp() override;
  void MouseWheelDown() override;
  std::string GetBestMusic() override;
  virtual bool CheckRightClick();

  void Open();   // once, at start-up: window backgrounds, post-it places, the sound manager
  void Close();  // once, at shut-down
  bool IsOpen() const { return m_opened; }
  // A new game or a loaded one: the day's windows are swept away, the HUD set up for the game,
  // and (unless the tutorial runs) the first morning's page opens.
  void StartNewGame();
  // After a switch between window and full screen: everything laid out for the new size.
  void ResetScreenSize();

  // Once a frame, before the mode runs: the frame-time factor of the last frame, at most 3.0.
  // Animations multiply their per-frame steps by it.
  void UpdateRenderThrottle();
  float GetRenderThrottle() const { return m_renderThrottle; }

  // A window that takes the keys while it is open (choosers, text entry); only that window can
  // remove itself.
  void SetInputHandler(GUI_WindowBase* window) { m_inputHandler = window; }
  void RemoveInputHandler(GUI_WindowBase* window) {
    if (m_inputHandler == window) m_inputHandler = nullptr;
  }
  GUI_WindowBase* GetInputHandler() const { return m_inputHandler; }

  // The end of an evening activity's window: pending phone messages are delivered, the phone may
  // ring, and the scripts stored for later run. Also the hook "enddaygui".
  void EndDayGUI();
  // Only one window of the left-hand area is open at a time: each closes the others first.
  void CloseLeftHandWindows();
  // The left-button release: drops the dragged person.
  void LeftMouseUp();
  // While Shift and D are held: a black panel with the player's blood alcohol.
  void DrawDebugData();

 private:
  void DrawScene();

  bool m_opened = false;
  GTimer m_throttleTimer;
  float m_renderThrottle = 1.0f;
  GUI_WindowBase* m_inputHandler = nullptr;  // not owned
};

// The one in-game mode, made on the first call and never freed.
GUI_GUI* GUI_GetGUI();
