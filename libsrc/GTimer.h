#pragma once
// A millisecond stopwatch over timeGetTime, paused until StartTimer, with a speed multiplier and
// the frame-time throttle (ms since the last update / 12 x multiplier). Its owner calls Update
// every frame; time spent paused is never counted.
#include <cstdint>

#include "Timing.h"

class GTimer {
 public:
  using Clock = uint32_t (*)();

  void StartTimer();
  void Update();
  void PauseTimer();
  void UnPauseTimer();
  void SetMultiplier(float m) { m_multiplier = m; }
  float GetMultiplier() const { return m_multiplier; }
  double GetElapsed() const { return m_elapsed; }
  float GetThrottle() const { return m_throttle; }
  bool IsPaused() const { return m_paused; }
  void ForceMilliseconds(float ms) { m_elapsed = static_cast<double>(ms); }
  // Minutes, seconds and milliseconds as "m:ss:mmm"; `out` holds 32 characters.
  static void FormatAsTime(char* out, double ms);

  // Every timer reads this clock (timeGetTime unless replaced); tests install one they move by
  // hand. Pass nullptr to go back to timeGetTime.
  static void SetClock(Clock clock);
  static Clock GetClock();

 private:
  static double Now();

  float m_multiplier = 1.0f;
  bool m_paused = true;
  double m_lastTick = 0.0;
  double m_elapsed = 0.0;
  float m_throttle = 0.0f;
};
