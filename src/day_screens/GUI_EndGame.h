#pragma once
// The end-of-game screen. Stand-in until the day screens arrive: opening it is logged and counted;
// it stays open (PTheWindow, and the review's pointer too) until closed.
#include "GUI_YearlyReview.h"

class GUI_EndGame : public GUI_YearlyReview {
 public:
  ~GUI_EndGame() override;  // clears both pointers when they are this one

  static void Create();
  static void Close();

  static int CreatedCount;         // how often it was opened
  static GUI_EndGame* PTheWindow;  // the open screen, or null
};
