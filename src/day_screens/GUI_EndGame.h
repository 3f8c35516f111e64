#pragma once
// The end of the ten years: the yearly review's page under its own title, with fireworks, and the
// choice between the main menu and playing on. The night that opens it stops before the day's
// slots, the autosave, the turn count and the morning; playing on finishes that night, and later
// years bring yearly reviews as before.
#include "GUI_YearlyReview.h"

class GUI_ButtonText;

class GUI_EndGame : public GUI_YearlyReview {
 public:
  static void Create();
  static void Close();
  static void Continue(int);  // plays on: the rest of the night, then the next morning
  static void MainMenu(int);  // leaves the game for the main menu

  GUI_EndGame();
  ~GUI_EndGame() override;  // clears both pointers

  void Draw() override;
  void Initialise() override;

  GUI_ButtonText* GetMainMenuButton() const { return m_mainMenuButton; }
  GUI_ButtonText* GetContinueTextButton() const { return m_continueButton; }

  static GUI_EndGame* PTheWindow;  // the open screen, or null

 private:
  GUI_ButtonText* m_mainMenuButton = nullptr;  // in the button list
  GUI_ButtonText* m_continueButton = nullptr;  // in the button list
};
