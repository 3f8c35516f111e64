#pragma once
// The evening-school picker. Stand-in until the evening classes arrive: the control panel's
// evening-class button (and the C key) toggles the evening stand-in window.
class GUI_SchoolPicker {
 public:
  // Opens the picker after closing the other left-hand windows, or closes it when it is open.
  static void Create();
  static void Close();
  static bool IsOpen();
};
