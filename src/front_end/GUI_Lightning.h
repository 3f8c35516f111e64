#pragma once
// A storm's lightning: the bolt behind the skyline, the thunder as it fades and the white sheet
// over the screen that follows it. The rain prepares strikes and draws the sheet; the sky draws
// the bolt and whitens its colours with the sheet's intensity.
#include "BaseSprite.h"
#include "CTexturedSprite.h"
#include "GTimer.h"

class GUI_Lightning {
 public:
  static constexpr float STRIKE_MS = 110.0f;
  static constexpr float SHEET_FADE = 0.075f;  // per unit of the render throttle
  static constexpr const char* THUNDER = "data/sounds/thunder.ogg";

  GUI_Lightning();
  void Initialise();         // the bolt hidden but already facing a random way
  void PrepareNextStrike();  // starts a bolt
  void Draw();               // the bolt, while striking; thunder and the sheet when it ends
  void DrawSheet();          // the white sheet, fading every frame
  float GetIntensity() const { return m_intensity; }
  bool IsStriking() const { return m_striking; }

 private:
  GTimer m_timer;
  CTexturedSprite m_bolt;
  bool m_striking = false;
  float m_intensity = 0.0f;
  BaseSprite m_sheet;
};

GUI_Lightning* GUI_GetLightning();
