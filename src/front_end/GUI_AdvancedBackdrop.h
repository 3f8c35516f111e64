#pragma once
// The animated sky behind the in-game view and the diary screens: a colour gradient, the stars of
// the night, a cloud layer, the storm's bolt and the skyline, back to front. Five styles follow the
// turn of the day and the weather; every change of style blends over three seconds from whatever
// is on screen at that moment.
#include "BaseSprite.h"
#include "CTexturedSprite.h"
#include "D3DTypes.h"
#include "GTimer.h"
#include "LibColor.h"
#include "SmartTexture.h"

// The night sky: thirteen small stars at fixed places, fading towards the horizon.
class GUI_BackdropStars {
 public:
  static constexpr int NUM_STARS = 13;

  GUI_BackdropStars();
  // alpha 0..1, the opacity of the whole sky of stars.
  void Draw(float alpha);
  const BaseSprite& GetStar(int i) const { return m_stars[i]; }

 private:
  SmartTexture m_texture;
  BaseSprite m_stars[NUM_STARS];
};

// Draws the bound texture through a 10 x 5 grid whose inner points swing, so a picture sways
// while its edges stay where they are.
class GUI_ImageDistorter {
 public:
  static constexpr int COLUMNS = 10;
  static constexpr int ROWS = 5;
  static constexpr int POINTS = COLUMNS * ROWS;

  GUI_ImageDistorter();
  void Flutter(float step);
  // colour in the sprite packing; speed scales the swing's pace.
  void Draw(unsigned long colour, float speed);

  const D3DVECTOR& GetRest(int i) const { return m_rest[i]; }
  const D3DVECTOR& GetMoved(int i) const { return m_moved[i]; }
  static bool IsInner(int i) { return i > 10 && i < 40 && i % 10 != 0 && i % 10 != 9; }

 private:
  D3DVECTOR m_rest[POINTS];
  D3DVECTOR m_moved[POINTS];
  float m_phase[POINTS];
  GTimer m_timer;
};

GUI_ImageDistorter* GUI_GetImageDistorter();

class GUI_AdvancedBackdrop {
 public:
  enum BACKDROPSTYLE { STYLE_EVENING = 0, STYLE_DAY = 1, STYLE_OVERCAST = 2, STYLE_RAIN = 3, STYLE_NIGHT = 4 };
  static constexpr int NUM_STYLES = 5;
  static constexpr double BLEND_MS = 3000.0;

  GUI_AdvancedBackdrop();

  void Reset();  // lays the sky out for the present screen size
  // Switches to a style at once, without a blend; the main menu asks for the day.
  void ForceStyle(int style);
  void SetTargetStyle(int style);
  void CalculateTargetStyle();
  void Interpolate();
  void Draw(bool drunk);

  // The rule behind CalculateTargetStyle, from the turn of the day and the weather.
  static int ChooseStyle(bool dayFinished, bool evening, int slotsLeft, float cloud, float rain, float snow);

  int GetTargetStyle() const { return m_targetStyle; }
  int GetCurrentStyle() const { return m_currentStyle; }
  float GetBlendFactor() const { return m_blend; }
  float GetStarAlpha() const;
  const LibColor& GetDisplayTop() const { return m_displayTop; }
  const LibColor& GetDisplayBottom() const { return m_displayBottom; }
  const LibColor& GetBlendedClouds() const { return m_blendedClouds; }
  static LibColor TopColor(int style);
  static LibColor BottomColor(int style);
  static LibColor CloudColor(int style);

 private:
  static int Clamp(int style);
  void ApplyColours();

  SmartTexture m_skylineTexture;
  CTexturedSprite m_skyline;
  CTexturedSprite m_clouds;
  BaseSprite m_gradient;
  LibColor m_top[NUM_STYLES];
  LibColor m_bottom[NUM_STYLES];
  LibColor m_cloudColours[NUM_STYLES];
  LibColor m_displayTop;
  LibColor m_displayBottom;
  int m_targetStyle = STYLE_DAY;
  int m_currentStyle = STYLE_DAY;
  GTimer m_blendTimer;  // paused until the first change of target
  LibColor m_fromTop, m_fromBottom, m_fromClouds;
  LibColor m_blendedTop, m_blendedBottom, m_blendedClouds;
  float m_blend = 0.0f;
  GUI_BackdropStars m_stars;
};

GUI_AdvancedBackdrop* GUI_GetAdvancedBackdrop();
