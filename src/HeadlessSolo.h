#pragma once
// How the player without a window spends an evening alone: the control panel's solo button, a few
// pages of the chooser's list (on past whatever it cannot afford or is too tired for) and the start
// button. It counts the evenings by activity, for vorla2-sim's report.
#include <map>
#include <string>

class GUI_SoloActivityChooser;

class HeadlessSolo {
 public:
  // True when an activity ran and used the slot; false (the chooser closed again) when nothing
  // could be started tonight.
  static bool SpendEvening();
  // An appointment on the calendar for today (the team's match, the dentist) kept through the
  // chooser: true when it ran; false when none is due or none could start.
  static bool KeepAppointment();
  // Now and then an evening at home with a puzzle, the web, the television or the video game: true
  // when the one drawn could start and ran.
  static bool PlayAtHome();
  static void StartGame();
  static const std::map<std::string, int>& GetEvenings() { return Evenings; }

 private:
  static void StartShown(GUI_SoloActivityChooser* chooser);
  static std::map<std::string, int> Evenings;
};
