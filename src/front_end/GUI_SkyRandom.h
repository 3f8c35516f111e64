#pragma once
// The sky's own random draws. Scene drawing must never take from the simulation's generator (how
// many frames are drawn would then change the game), so the sky draws from the scene's stream,
// a generator of the game's kind with a state of its own.
#include "GRandom.h"

namespace GUI_SkyRandom {

// lo <= result < hi, as GRandom::RandReal.
inline float RandReal(float lo, float hi) { return GRandom::Scene().RandReal(lo, hi); }

inline bool IsChance(float p) { return GRandom::Scene().IsChance(p); }

}  // namespace GUI_SkyRandom
