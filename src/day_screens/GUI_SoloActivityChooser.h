#pragma once
// The solo-activity chooser. Stand-in until the day screens arrive: the control panel's solo
// button toggles the evening stand-in window (a quiet evening at home); scrolling to an activity
// is logged and remembered.
#include <string>

class GUI_SoloActivityChooser {
 public:
  // Opens the chooser after closing the other left-hand windows, or closes it when it is open.
  static void Create();
  static void Close();  // also logged once and recorded (SIM_StandInLog)
  static bool IsOpen();
  static void ScrollToActivity(const char* name);
  static const std::string& GetLastScrolledTo() { return LastScrolledTo; }
  // The wheel scrolls the open chooser's list; the stand-in has none.
  static void MouseWheelUp() {}
  static void MouseWheelDown() {}

 private:
  static std::string LastScrolledTo;
};
