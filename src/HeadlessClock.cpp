#include "HeadlessClock.h"

#include "GTimer.h"

namespace {
GTimer::Clock g_outer = nullptr;  // the clock the steps are laid over (never one of ours)
uint32_t g_shift = 0;             // the time stepped beyond the outer clock, added to it after
uint32_t g_stepped = 0;
bool g_held = false;

uint32_t Stepped() { return g_stepped; }
uint32_t Shifted() { return g_outer() + g_shift; }
}  // namespace

namespace HeadlessClock {

void Hold() {
  if (g_held) return;
  const GTimer::Clock current = GTimer::GetClock();
  // A clock installed since (a test's) is the one to lay the steps over from now on.
  if (current != &Shifted) {
    g_outer = current;
    g_shift = 0;
  }
  g_stepped = current();
  g_held = true;
  GTimer::SetClock(&Stepped);
}

void Step(uint32_t ms) { g_stepped += ms; }

void Release() {
  if (!g_held) return;
  g_held = false;
  // Unsigned: the difference wraps as the clocks do, and the shifted clock reads g_stepped now.
  g_shift = g_stepped - g_outer();
  GTimer::SetClock(&Shifted);
}

bool IsHeld() { return g_held; }

}  // namespace HeadlessClock
