#pragma once
// The after-work page: news from home before the evening. Stand-in until the real diary pages
// arrive: a short note and the continue button, which prepares the evening.
#include "GUI_DayPageStandIn.h"

class GUI_AfterWorkScreen : public GUI_DayPageStandIn {
 public:
  // Closes any open page of this kind and opens a new one.
  static void Create();
  static void Close();  // nothing when none is open
  static bool IsOpen() { return PTheWindow != nullptr; }
  // The page's button: the change markers go, the page closes, then SIM_SIM::PrepareForEvening.
  static void Continue(int);

  GUI_AfterWorkScreen();
  ~GUI_AfterWorkScreen() override;

  static GUI_AfterWorkScreen* PTheWindow;
};
