#pragma once
// The game's random draws over the C library generator.
namespace GRandom {
float RandReal(float lo, float hi);
float RandUnitFloat();
bool IsChance(float p);
}  // namespace GRandom
