#pragma once
// The game's random draws over the C library generator (seeded once by the simulation), so a
// fixed seed replays the same game.
namespace GRandom {
// lo <= result <= hi (hi only from the float rounding of the largest draws).
float RandReal(float lo, float hi);
float RandUnitFloat();
// True with probability p: p <= 0 never holds, p >= 1 (nearly) always.
bool IsChance(float p);
}  // namespace GRandom
