#pragma once
// The fish that swim across the in-game view when the player keeps a fish tank. Stand-in until
// the scenery arrives: drawing is marked STAND_IN() and draws nothing.
class GUI_Fish {
 public:
  void Draw();
};

GUI_Fish* GUI_GetFish();
