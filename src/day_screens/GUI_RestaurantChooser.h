#pragma once
// The restaurant chooser. Stand-in until the day screens arrives: every call is logged once and
// recorded (SIM_StandInLog); it never opens, so the evening waits for its choice.
class SIM_RestaurantInstance;

class GUI_RestaurantChooser {
 public:
  static void Create(SIM_RestaurantInstance* instance);
  static void Close();
};
