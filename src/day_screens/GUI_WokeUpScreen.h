#pragma once
// The morning page: the date, how the player wakes up, and the way into the day. Stand-in until
// the real diary pages arrive: on a working day (a job, good health, Monday to Friday) its button
// sets off for work; on any other day it stays at home, and the evening begins.
#include "GUI_DayPageStandIn.h"

class GUI_WokeUpScreen : public GUI_DayPageStandIn {
 public:
  // Closes any open morning page and opens a new one.
  static void Create();
  static void Close();  // nothing when none is open
  // The page's buttons: the change markers go, the page closes, then SIM_SIM::ProcessCommuteIn or
  // SIM_SIM::PrepareForEvening.
  static void CommuteIn(int);
  static void StayHome(int);

  // A weekday with a job held and good health.
  static bool IsWorkingDay();
  // The present day as the page's title: weekday, month and year.
  static std::string DateTitle();

  GUI_WokeUpScreen();
  ~GUI_WokeUpScreen() override;
  bool GetWorkingDay() const { return m_workingDay; }

  static GUI_WokeUpScreen* PTheWindow;

 private:
  bool m_workingDay = false;
};
