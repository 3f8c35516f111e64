#pragma once
// The page of the trip home. Stand-in until the real diary pages arrive: a short note and the
// continue button, which hands the turn to the evening (through the after-work page when there is
// news at home).
#include "GUI_DayPageStandIn.h"

class GUI_CommuteBackScreen : public GUI_DayPageStandIn {
 public:
  // Closes any open page of this kind and opens a new one.
  static void Create();
  static void Close();  // nothing when none is open
  // The page's button: the change markers go, the page closes, then SIM_SIM::ProcessAfterWork.
  static void CommuteBack(int);

  GUI_CommuteBackScreen();
  ~GUI_CommuteBackScreen() override;

  static GUI_CommuteBackScreen* PTheWindow;
};
