#pragma once
// The flies that gather in a dirty home. Stand-in until the home's mess arrives: every call is
// marked STAND_IN() and nothing is drawn.
class GUI_Insect {
 public:
  static void DrawAll();
};
