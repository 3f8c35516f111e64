#pragma once
// The restaurant chooser. Stand-in until the day screens arrives: every call is logged once and
// recorded (SIM_StandInLog).
class GUI_RestaurantChooser {
 public:
  static void Close();
};
