#pragma once
// The morning page: the date, how the player wakes up, and the way into the day. On a working day
// (a job, good health, Monday to Friday) it shows the plan for the trip and offers work and a
// change of the way there; on any other day its one button stays at home and the evening begins.
#include <string>

#include "GUI_DiaryPage.h"

class GUI_ButtonText;

class GUI_WokeUpScreen : public GUI_DiaryPage {
 public:
  // Closes any open morning page and opens a new one.
  static void Create();
  static void Close();  // nothing when none is open
  static bool IsOpen() { return PTheWindow != nullptr; }
  // The page's buttons: the change markers go, the page closes, then SIM_SIM::ProcessCommuteIn or
  // SIM_SIM::PrepareForEvening. ChangeCommute opens the commute-method chooser over the page.
  static void CommuteIn(int);
  static void StayHome(int);
  static void ChangeCommute(int);

  // A weekday with a job held and good health.
  static bool IsWorkingDay();
  // The present day as the page's title: weekday, month and year.
  static std::string DateTitle();

  GUI_WokeUpScreen();
  // Also closes the commute-method chooser.
  ~GUI_WokeUpScreen() override;
  bool GetWorkingDay() const { return m_workingDay; }
  GUI_ButtonText* GetChangeCommuteButton() const { return m_changeCommute; }

  static GUI_WokeUpScreen* PTheWindow;

 private:
  bool m_workingDay = false;
  GUI_ButtonText* m_changeCommute = nullptr;  // owned by the button list; none on a day off
};
