#pragma once
// The root of every whole-screen game mode (the menus and the in-game mode). The shell sends the
// frame's drawing, keys, clicks and wheel to the current mode and tells it when it becomes current
// (Activate) and when it stops being current or the application pauses (Deactivate).
#include <string>

class GUI_GameModeBase {
 public:
  virtual ~GUI_GameModeBase() = default;
  virtual void Draw() {}
  virtual void HandleKey(unsigned) {}  // Mac virtual key codes
  virtual void ProcessInput() {}
  // The result tells whether the click was taken.
  virtual bool CheckClick() { return false; }
  virtual void Activate() {}
  virtual void Deactivate() {}
  virtual void MouseWheelUp() {}
  virtual void MouseWheelDown() {}
  // The file name of the music the mode wants; every mode chooses its own.
  virtual std::string GetBestMusic() = 0;
};
