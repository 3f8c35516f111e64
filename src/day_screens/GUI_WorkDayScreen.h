#pragma once
// The page of the working day. Stand-in until the real diary pages arrive: a short note and the
// go-home button, which hands the turn to the trip home.
#include "GUI_DayPageStandIn.h"

class GUI_WorkDayScreen : public GUI_DayPageStandIn {
 public:
  // Closes any open page of this kind and opens a new one.
  static void Create();
  static void Close();  // nothing when none is open
  // The page's button: the change markers go, the page closes, then SIM_SIM::ProcessCommuteBack.
  static void GoHome(int);

  GUI_WorkDayScreen();
  ~GUI_WorkDayScreen() override;

  static GUI_WorkDayScreen* PTheWindow;
};
