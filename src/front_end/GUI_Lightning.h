#pragma once
// The storm's bolt, thunder and white sheet. Stand-in until the sky arrives: every call is marked
// STAND_IN(); no bolt, no thunder, no sheet.
class GUI_Lightning {
 public:
  void PrepareNextStrike();  // start a bolt; the rain asks for one
  void Draw();               // the bolt, drawn by the sky
  void DrawSheet();          // the white sheet, drawn by the rain each frame
  float GetIntensity() const { return 0.0f; }  // the sheet's strength, 0..1
};

GUI_Lightning* GUI_GetLightning();
