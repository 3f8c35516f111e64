#pragma once
// The after-work page: news from home before the evening (a burglary, the dog that saw a burglar
// off, an attempted break-in, a messy home, a lonely pet). Only the weightiest is told, and every
// one of them is cleared. Its button prepares the evening.
#include "GUI_DiaryPage.h"

class GUI_AfterWorkScreen : public GUI_DiaryPage {
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
