#pragma once
// The chooser of the way to work, a left-hand window opened from the morning page. Stand-in until
// the day screens arrive: every call is marked STAND_IN(); it never opens.
class GUI_CommuteMethodChooser {
 public:
  static void Create();
  static void Close();
};
