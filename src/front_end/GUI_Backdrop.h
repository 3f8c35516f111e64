#pragma once
// The layer behind every screen with the sky: the in-game view draws the whole of it (the sky,
// the fly-by, the home's mess and the flies); the diary and result screens draw the sky alone.
#include "GUI_Helicopter.h"
#include "SmartTexture.h"

class GUI_Backdrop {
 public:
  static constexpr int READ_EVERY = 30;  // frames between two readings of the player's drink

  GUI_Backdrop();
  // Re-reads the player's "alcohol" value now; the simulation calls it after a drink, so the
  // skyline sways from the next frame on.
  static void Refresh();
  void Initialise() {}
  // The in-game view's backdrop, first of the scene every frame.
  void Draw();
  // The sky alone, under the day's weather.
  void DrawWeatherBackdrop();

  bool IsDrunk() const { return m_drunkenness > 0.5f; }
  GUI_Helicopter& GetHelicopter() { return m_helicopter; }

 private:
  void ReadDrunkenness();

  // Loaded with the backdrop so the screens that show them find them ready; not drawn here.
  SmartTexture m_sunset;
  SmartTexture m_skyline;
  SmartTexture m_cloudy;
  GUI_Helicopter m_helicopter;
  float m_drunkenness = 0.0f;
  int m_frameCounter = 0;
};

GUI_Backdrop* GUI_GetBackdrop();
