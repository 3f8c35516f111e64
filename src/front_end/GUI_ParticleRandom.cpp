#include "GUI_ParticleRandom.h"

#include <cstdlib>

namespace {

struct Stream {
  random_data data{};
  char state[128] = {};
  bool seeded = false;
};

Stream& TheStream() {
  static Stream s;
  return s;
}

}  // namespace

namespace GUI_ParticleRandom {

void Seed(unsigned seed) {
  Stream& s = TheStream();
  s.data = random_data{};
  initstate_r(seed, s.state, sizeof(s.state), &s.data);
  s.seeded = true;
}

int Rand() {
  Stream& s = TheStream();
  if (!s.seeded) Seed(1);
  int32_t r = 0;
  random_r(&s.data, &r);
  return r;
}

float RandReal(float lo, float hi) { return (float)Rand() / 2147483648.0f * (hi - lo) + lo; }

float RandUnitFloat() { return RandReal(0.0f, 1.0f); }

bool IsChance(float p) { return p > RandUnitFloat(); }

}  // namespace GUI_ParticleRandom
