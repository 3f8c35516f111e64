#pragma once
// The page of the working day: the day's story from the job, a new colleague's name when one was
// made, and what the day earned (with the tip or commission when there was one). Its buttons go
// home or change the way home first.
#include <string>

#include "GUI_DiaryPage.h"

class GUI_ButtonText;
class SIM_JobEvent;
class SIM_JobInstance;

class GUI_WorkDayScreen : public GUI_DiaryPage {
 public:
  // Closes any open page of this kind and opens a new one.
  static void Create();
  static void Close();  // nothing when none is open
  static bool IsOpen() { return PTheWindow != nullptr; }
  // The page's buttons: GoHome closes the change markers and the page, then
  // SIM_SIM::ProcessCommuteBack; ChangeCommute opens the commute-method chooser over the page.
  static void GoHome(int);
  static void ChangeCommute(int);

  // The earnings sentence: a tip of -1 means none; any other tip, 0 included, is told as a tip,
  // or as commission in "sales". The performance picks the word for how the day went.
  static std::string EarningsText(float tip, float earnings, const std::string& industry, float performance);

  // Reads the day's story from the player's job and the tip (which it clears), and launches the
  // work-day hint.
  GUI_WorkDayScreen();
  ~GUI_WorkDayScreen() override;
  GUI_ButtonText* GetChangeCommuteButton() const { return m_changeCommute; }

  static GUI_WorkDayScreen* PTheWindow;

 private:
  SIM_JobEvent* m_event = nullptr;        // not owned
  SIM_JobInstance* m_instance = nullptr;  // not owned
  GUI_ButtonText* m_changeCommute = nullptr;  // owned by the button list
};
