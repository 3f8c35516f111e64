#pragma once
// The tutorial's text window: a title, a wrapped text and, when the step wants one, a Next button
// that moves the tutorial on. At most one is open (PTheWindow); each step's script opens its own
// with the command "TutorialWindow(title, text, next, x, y)", which replaces the last one. Title
// and text are keys of "data/strings.ini" (a text that is not a key shows as written). The window
// sizes its height to the text on its first draw. The in-game mode draws it above everything but
// the tooltip and the cursor, after the spotlight.
#include <string>

#include "GUI_WindowBase.h"

class GUI_ButtonText;

class GUI_TutorialWindow : public GUI_WindowBase {
 public:
  static constexpr float kWidth = 450.0f;
  static constexpr float kHeight = 300.0f;

  // Closes the open window and opens a new one; x and y both -1 centre it on the screen.
  static GUI_TutorialWindow* Create(const std::string& title, const std::string& text, bool hasNext, int x, int y);
  static void Close();
  static void Next(int);  // the Next button: the tutorial's next step
  static void DrawAll();
  // Offers the click at the mouse to the open window; the in-game mode routes the click on anyway.
  static void CheckClickAll();

  GUI_TutorialWindow(const std::string& title, const std::string& text, bool hasNext, int x, int y);
  ~GUI_TutorialWindow() override;
  void Draw() override;

  const std::string& GetTitle() const { return m_title; }
  const std::string& GetText() const { return m_text; }
  GUI_ButtonText* GetNextButton() const { return m_nextButton; }
  bool HasNextButton() const { return m_nextButton != nullptr; }
  bool IsLaidOut() const { return m_laidOut; }

  static GUI_TutorialWindow* PTheWindow;

 private:
  std::string m_text;
  std::string m_title;
  GUI_ButtonText* m_nextButton = nullptr;  // in the button list, which owns it
  bool m_laidOut = false;
};
