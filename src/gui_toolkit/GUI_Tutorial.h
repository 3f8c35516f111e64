#pragma once
// The tutorial: a walk through the first day, driven by data. Each step is a command script named
// on one row of "data/tutorialscripts.csv"; a step's script opens a tutorial window, points the
// spotlight at part of the screen and names the buttons the player may press ("AllowButton").
// While the tutorial runs every other button refuses its click: buttons ask IsClickable before
// they act and report a finished click with ClickedNotify, and a click on an allowed button (or
// the window's Next button) moves to the next step. After the last step, or on Escape, the
// tutorial ends and the main menu shows with no game in progress.
//
// One object, made by the first GUI_GetTutorial(). The operations are static and work on that
// object, so GUI_Tutorial::IsRunning() and GUI_GetTutorial()->IsRunning() mean the same.
#include <string>
#include <vector>

class GUI_BaseElement;

class GUI_Tutorial {
 public:
  GUI_Tutorial() = default;
  virtual ~GUI_Tutorial() = default;
  GUI_Tutorial(const GUI_Tutorial&) = delete;
  GUI_Tutorial& operator=(const GUI_Tutorial&) = delete;

  // The main menu's tutorial button: reads the steps, starts a new game for the tutorial and runs
  // the first step. Without steps an assertion fails and nothing starts.
  static void Initialise();
  // A fresh step: no clickable button, no spotlight, then the step's script.
  static void ProcessCurrentStep();
  static void NextStep();  // past the last step: Quit
  // Closes the tutorial window, ends the tutorial and the game, shows the main menu.
  static void Quit();
  // Every key of the in-game mode while the tutorial runs: Return = Next when the window has a
  // Next button, Escape = Quit.
  static void HandleKey(unsigned key);

  // True when no tutorial runs; while one runs, only for the buttons the step allows.
  static bool IsClickable(const GUI_BaseElement* button);
  static void AddClickable(GUI_BaseElement* button);
  static void ClearClickables();
  // After a button's click has run: an allowed button other than the tutorial window's own Next
  // button finishes the step. The pointer is only compared (the button may be gone by now).
  static void ClickedNotify(const GUI_BaseElement* button);
  static bool IsRunning();

  static const std::vector<GUI_BaseElement*>& GetClickables();
  static const std::vector<std::string>& GetSteps();
  static int GetCurrentStep();  // index into GetSteps()

 private:
  static GUI_Tutorial* Self();
  static void PrepareCharacter();

  std::vector<GUI_BaseElement*> m_clickables;  // not owned; only compared
  std::vector<std::string> m_steps;
  size_t m_currentStep = 0;
  bool m_active = false;
};

GUI_Tutorial* GUI_GetTutorial();
