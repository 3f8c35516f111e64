#pragma once
// The career window. Stand-in until the career screens arrive: the control panel's job button
// toggles the evening stand-in window.
class GUI_JobInstanceDetails {
 public:
  // Opens the window after closing the other left-hand windows, or closes it when it is open; the
  // int is ignored (the job button's callback).
  static void Create(int);
  static void Close();
  static bool IsOpen();
};
