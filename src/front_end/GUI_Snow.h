#pragma once
// The falling snow over the in-game scene and the day's screens: as many flakes as the weather's
// snow intensity asks for, each turned, sized and faded on its own, drifting up to ten degrees off
// the vertical. The flakes live in a fixed array and are drawn in one batch.
#include "D3DTypes.h"
#include "SmartTexture.h"
#include "V2.h"

class GUI_Snowflake {
 public:
  void Initialise(int firstVertex, bool);  // the flag is not used
  void Draw();

  static float RenderThrottle;  // the frame factor every flake uses this frame

  V2 m_position;
  float m_speed = 0.0f;
  int m_firstVertex = 0;
  float m_halfSize = 0.0f;  // pixels
  float m_sin = 0.0f;       // of its rotation
  float m_cos = 1.0f;
  float m_driftSin = 0.0f;  // of its drift direction
  float m_driftCos = -1.0f;
};

class GUI_Snow {
 public:
  static constexpr int FLAKES = 1000;

  GUI_Snow();
  virtual ~GUI_Snow() = default;

  void Draw();

  const GUI_Snowflake& GetFlake(int i) const { return m_flakes[i]; }

  // Six for each flake, flake i owning 6i to 6i + 5.
  static _D3DTLVERTEX Verts[FLAKES * 6];

 private:
  GUI_Snowflake m_flakes[FLAKES];
  SmartTexture m_texture;
};

GUI_Snow* GUI_GetSnow();
