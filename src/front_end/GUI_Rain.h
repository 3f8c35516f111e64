#pragma once
// The rain over the in-game scene and the day's screens: drops that fall at the weather's rain
// intensity, splashes where they reach the ground, the looped rain sound and, in heavy rain, the
// lightning strikes. All drops and splashes live in fixed arrays; each frame draws one batch of
// drops and one of splashes.
#include "D3DTypes.h"
#include "GTimer.h"
#include "SmartTexture.h"
#include "V2.h"

// One falling drop, a 3 by 20 pixel streak.
class GUI_RainDrop {
 public:
  void Initialise(int firstVertex);
  void Draw();

  static float RenderThrottle;  // the frame factor every drop uses this frame

  V2 m_position;
  float m_speed = 0.0f;  // pixels per unit of frame factor
  int m_firstVertex = 0;
  float m_groundLine = 0.0f;  // the y at which it splashes
};

// A splash that grows from 8 by 4 to 56 by 28 pixels over its life while it fades in and out.
class GUI_RainSplash {
 public:
  static constexpr double LIFE_MS = 530.0;

  void Initialise(int firstVertex);
  void Start(float x, float y);
  void Update();
  void Draw();

  double m_startTime = 0.0;  // ms of the rain's clock
  V2 m_position;
  bool m_finished = true;
  int m_firstVertex = 0;
};

class GUI_Rain {
 public:
  static constexpr int DROPS = 512;
  static constexpr int SPLASHES = 24;
  static constexpr float THUNDER_INTENSITY = 0.25f;
  static constexpr const char* SOUND = "data/sounds/rain_loop.ogg";

  GUI_Rain();
  virtual ~GUI_Rain() = default;

  void Draw();  // one frame: Process, the lightning sheet, the drops and the splashes
  void Process();
  void ProcessSplashes();
  void CheckForThunder();
  void RequestSplash(float x, float y);
  void PauseSounds();   // the window is deactivated: the loop stops
  void ResumeSounds();  // nothing: the next frame restarts the loop while it rains

  // Now on the rain's clock, in ms; moves once a frame.
  double GetNow() const { return m_clock.GetElapsed(); }
  float GetIntensity() const { return m_currentIntensity; }
  float GetTargetIntensity() const { return m_targetIntensity; }
  bool IsPlaying() const { return m_playing; }
  int GetChannel() const { return m_channel; }  // the sound slot of the loop, -1 when silent
  const GUI_RainDrop& GetDrop(int i) const { return m_drops[i]; }
  const GUI_RainSplash& GetSplash(int i) const { return m_splashes[i]; }

  static _D3DTLVERTEX Verts[DROPS * 6];
  static _D3DTLVERTEX SplashVerts[SPLASHES * 6];

 private:
  double m_thunderGap = 0.0;
  double m_lastThunderTime = -1.0e9;  // long ago: the first heavy rain strikes at once
  bool m_playing = false;
  int m_channel = -1;
  GUI_RainSplash m_splashes[SPLASHES];
  GUI_RainDrop m_drops[DROPS];
  SmartTexture m_splashTexture;
  float m_currentIntensity = 0.0f;
  float m_targetIntensity = 0.0f;
  double m_lastSplashTime = -1.0e9;
  // Differences of the millisecond clock, never the clock itself, so hours of uptime cost no
  // precision.
  GTimer m_clock;
};

GUI_Rain* GUI_GetRain();
