#pragma once
// A millisecond stopwatch over timeGetTime, paused until StartTimer, with a speed multiplier and
// the frame-time throttle (ms since the last update / 12 x multiplier).
#include "Timing.h"

class GTimer {
 public:
  void StartTimer();
  void Update();
  void PauseTimer();
  void UnPauseTimer();
  void SetMultiplier(float m) { m_multiplier = m; }
  double GetElapsed() const { return m_elapsed; }
  float GetThrottle() const { return m_throttle; }
  bool IsPaused() const { return m_paused; }
  void ForceMilliseconds(float ms) { m_elapsed = ms; }
  static void FormatAsTime(char* out, double ms);

 private:
  float m_multiplier = 1.0f;
  bool m_paused = true;
  double m_lastTick = 0.0;
  double m_elapsed = 0.0;
  float m_throttle = 0.0f;
};
