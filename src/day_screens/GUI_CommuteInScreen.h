#pragma once
// The page of the trip to work: what happened on the way (caught drink-driving, a missed bus,
// traffic, the umbrella, music on the way) or, on an uneventful trip, the weather and how the
// player feels; the fare under it. The start-work button hands the turn to the work day.
#include "GUI_DiaryPage.h"

class GUI_CommuteInScreen : public GUI_DiaryPage {
 public:
  // Closes any open page of this kind and opens a new one.
  static void Create();
  static void Close();  // nothing when none is open
  static bool IsOpen() { return PTheWindow != nullptr; }
  // The page's button: the change markers go, the page closes, then SIM_SIM::ProcessWorkDay.
  static void StartWork(int);

  // Composes the texts from the day's event keys (clearing the trip's ones) and starts the
  // method's sound.
  GUI_CommuteInScreen();
  // Stops the method's sound.
  ~GUI_CommuteInScreen() override;
  bool IsSpecial() const { return m_special; }

  static GUI_CommuteInScreen* PTheWindow;

 private:
  bool m_special = false;  // caught drink-driving: written in the ink of bad news
};
