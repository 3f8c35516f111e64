#pragma once
// A headless world for the window toolkit's tests: the recording renderer at 1024 x 768 with the
// game's bitmaps and fonts, a hand-moved clock, and small windows that log what happens to them.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "CInput.h"
#include "D3DEngine.h"
#include "GTimer.h"
#include "GUI_Dialog.h"
#include "GUI_Tooltip.h"
#include "GUI_WindowBase.h"
#include "GUI_WindowManager.h"
#include "LibTextEngine.h"

namespace guitest {

inline uint32_t g_now = 1000;
inline uint32_t Now() { return g_now; }

// What the test windows did, in order: "draw A", "delete B", ...
inline std::vector<std::string>& Log() {
  static std::vector<std::string> log;
  return log;
}

inline RECT Rect(int l, int t, int r, int b) {
  RECT x;
  SetRect(&x, l, t, r, b);
  return x;
}

class LogWindow : public GUI_WindowBase {
 public:
  LogWindow(const std::string& name, RECT r, bool registered = true) : m_name(name) {
    SetPosition((float)r.left, (float)r.top, (float)r.right, (float)r.bottom);
    if (registered) AddToGUI();
  }
  ~LogWindow() override { Log().push_back("delete " + m_name); }
  void Draw() override {
    Log().push_back("draw " + m_name);
    GUI_WindowBase::Draw();
  }

 private:
  std::string m_name;
};

class LogDialog : public GUI_Dialog {
 public:
  LogDialog(const std::string& name, RECT r) : GUI_Dialog(true), m_name(name) {
    SetPosition((float)r.left, (float)r.top, (float)r.right, (float)r.bottom);
  }
  ~LogDialog() override { Log().push_back("delete " + m_name); }
  void Draw() override {
    Log().push_back("draw " + m_name);
    GUI_Dialog::Draw();
  }

 private:
  std::string m_name;
};

// Where the mouse is; the next input pass sees it.
inline void MoveMouse(float x, float y) {
  CInput* input = GetInput();
  input->mouseX = x;
  input->mouseY = y;
}

// A click at the point as the input layer dispatches it: the manager's routing.
inline bool ClickAt(float x, float y) {
  MoveMouse(x, y);
  return GUI_GetWindowManager()->CheckClick();
}

// One in-game frame of the toolkit: the input pass, the windows' input, drawing, the tooltip.
inline void Frame() {
  GetInput()->Process();
  GUI_WindowManager* manager = GUI_GetWindowManager();
  manager->ProcessInput();
  if (!manager->DrawFullscreen()) manager->Draw();
  GUI_Tooltip::DrawAll();
}

class GuiTest : public ::testing::Test {
 protected:
  void SetUp() override {
    D3DEngine* engine = GetD3DEngine();
    engine->Initialise(nullptr, nullptr, 1024, 768, 32, true, true);
    if (engine->GetBitmapDirectories().empty()) engine->AddBitmapDirectories("data/bitmaps", true);
    if (GetTextEngine()->GetFonts().empty()) GetTextEngine()->LoadFonts();
    GTimer::SetClock(&Now);
    Log().clear();
    D3DEngine::GetRecorder().Clear();
  }
  void TearDown() override {
    GUI_GetWindowManager()->CloseAll();
    while (!GUI_GetWindowManager()->GetFullscreens().empty()) delete GUI_GetWindowManager()->GetFullscreens().back();
    GTimer::SetClock(nullptr);
  }
};

}  // namespace guitest
