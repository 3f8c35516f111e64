#include "GTimer.h"

#include <cmath>
#include <cstdio>

namespace {
GTimer::Clock g_timerClock = &timeGetTime;
}

void GTimer::SetClock(Clock clock) { g_timerClock = clock ? clock : &timeGetTime; }

GTimer::Clock GTimer::GetClock() { return g_timerClock; }

double GTimer::Now() { return (double)g_timerClock(); }

void GTimer::StartTimer() {
  m_paused = false;
  m_elapsed = 0.0;
  m_lastTick = Now();
}

void GTimer::Update() {
  if (m_paused) return;
  double now = Now();
  // The clock is 32 bits wide and wraps; the unsigned difference stays right across the wrap.
  double delta = (double)(uint32_t)((uint32_t)now - (uint32_t)m_lastTick);
  m_throttle = (float)(delta / 12.0 * static_cast<double>(m_multiplier));
  m_elapsed += delta * static_cast<double>(m_multiplier);
  m_lastTick = now;
}

void GTimer::PauseTimer() {
  Update();
  m_paused = true;
  m_lastTick = Now();
}

void GTimer::UnPauseTimer() {
  m_paused = false;
  m_lastTick = Now();
}

void GTimer::FormatAsTime(char* out, double ms) {
  if (!out) return;
  long long total = ms > 0.0 ? (long long)std::floor(ms) : 0;
  long long minutes = total / 60000;
  int rest = (int)(total % 60000);
  int tens = rest / 10000;
  int secs = rest / 1000 % 10;
  int tenths = rest / 100 % 10;
  int millis = rest % 100;
  // The milliseconds after the tenths always take two digits, so 12.305 s reads 0:12:305.
  snprintf(out, 32, "%lld:%d%d:%d%02d", minutes, tens, secs, tenths, millis);
}
