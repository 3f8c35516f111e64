#pragma once
// The falling snow over the in-game scene. Stand-in until the scenery arrives: drawing is marked
// STAND_IN() and draws nothing.
class GUI_Snow {
 public:
  void Draw();
};

GUI_Snow* GUI_GetSnow();
