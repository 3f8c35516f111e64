#pragma once
// The page of the trip to work. Stand-in until the real diary pages arrive: a short note and the
// start-work button, which hands the turn to the work day.
#include "GUI_DayPageStandIn.h"

class GUI_CommuteInScreen : public GUI_DayPageStandIn {
 public:
  // Closes any open page of this kind and opens a new one.
  static void Create();
  static void Close();  // nothing when none is open
  // The page's button: the change markers go, the page closes, then SIM_SIM::ProcessWorkDay.
  static void StartWork(int);

  GUI_CommuteInScreen();
  ~GUI_CommuteInScreen() override;

  static GUI_CommuteInScreen* PTheWindow;
};
