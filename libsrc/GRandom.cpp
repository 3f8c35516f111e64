#include "GRandom.h"

#include <cstdlib>

namespace GRandom {

float RandReal(float lo, float hi) { return (float)rand() / 2147483648.0f * (hi - lo) + lo; }

float RandUnitFloat() { return RandReal(0.0f, 1.0f); }

bool IsChance(float p) { return p > RandUnitFloat(); }

}  // namespace GRandom
