#pragma once
// The page of the trip home: a mugging and how it ended, or the ordinary way home (with the
// umbrella, or stuck in traffic), and the fare. Its button carries on home, to the news at home or
// straight into the evening.
#include "GUI_DiaryPage.h"

class GUI_CommuteBackScreen : public GUI_DiaryPage {
 public:
  // Closes any open page of this kind and opens a new one.
  static void Create();
  static void Close();  // nothing when none is open
  static bool IsOpen() { return PTheWindow != nullptr; }
  // The page's button: the change markers go, the page closes, then SIM_SIM::ProcessAfterWork.
  static void CommuteBack(int);

  // Composes the texts from the day's event keys and starts the method's sound.
  GUI_CommuteBackScreen();
  // Stops the method's sound and clears the keys of both trips and the mugging.
  ~GUI_CommuteBackScreen() override;

  static GUI_CommuteBackScreen* PTheWindow;
};
