#pragma once
// The restaurant's menu screen. Stand-in until the day screens arrive: it never opens, and its
// calls are marked STAND_IN().
class SIM_RestaurantInstance;

class GUI_RestaurantInstance {
 public:
  static void Create(SIM_RestaurantInstance* instance);
  static void Close();
  void Reset();  // lays the open screen out for the present screen size

  static GUI_RestaurantInstance* PTheWindow;  // the open screen, or null
};
