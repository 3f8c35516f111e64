#pragma once
// The rain over the in-game scene and its sound. Stand-in until the scenery arrives: every call
// is marked STAND_IN(); nothing is drawn or heard.
class GUI_Rain {
 public:
  void Draw();
  void PauseSounds();   // the in-game mode is left
  void ResumeSounds();  // the in-game mode is back
};

GUI_Rain* GUI_GetRain();
