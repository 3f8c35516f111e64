#pragma once
// The lines between the player and the people on the in-game scene. Stand-in until the social
// screens arrive: drawing is marked STAND_IN() and draws nothing.
class GUI_Relationship {
 public:
  static void DrawAll();  // once a frame
};
