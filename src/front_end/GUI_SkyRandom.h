#pragma once
// The sky's own random draws. Scene drawing must never take from the simulation's generator (how
// many frames are drawn would then change the game), so the sky keeps a generator of the same
// kind as the game's, seeded once at its first use, and maps it to floats the way GRandom does.
#include <cstdint>
#include <random>

#include "Timing.h"

namespace GUI_SkyRandom {

inline std::minstd_rand& Stream() {
  static std::minstd_rand stream(timeGetTime() | 1u);
  return stream;
}

// lo <= result < hi, as GRandom::RandReal.
inline float RandReal(float lo, float hi) {
  return (float)Stream()() / 2147483648.0f * (hi - lo) + lo;
}

inline bool IsChance(float p) { return p > RandReal(0.0f, 1.0f); }

}  // namespace GUI_SkyRandom
