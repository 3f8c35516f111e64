#pragma once
// The storm's bolt, thunder and white sheet. Stand-in until the storm arrives: no bolt is drawn
// and the sheet stays dark.
class GUI_Lightning {
 public:
  void PrepareNextStrike();
  void Draw();       // the bolt, behind the skyline
  void DrawSheet();  // the white flash over the scene
  float GetIntensity() const { return 0.0f; }  // the sheet, 0 to 1; the sky whitens with it
  void Initialise() {}
};

GUI_Lightning* GUI_GetLightning();
