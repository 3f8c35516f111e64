#include "GRandom.h"

#include <cstdlib>

#include "Timing.h"

namespace GRandom {

float RandReal(float lo, float hi) { return (float)rand() / 2147483648.0f * (hi - lo) + lo; }

float RandUnitFloat() { return RandReal(0.0f, 1.0f); }

bool IsChance(float p) { return p > RandUnitFloat(); }

GRandomStream& Scene() {
  static GRandomStream stream(timeGetTime());
  return stream;
}

}  // namespace GRandom

GRandomStream::GRandomStream(unsigned seed) { Seed(seed); }

void GRandomStream::Seed(unsigned seed) {
  // The same 128-byte state that srand() gives rand(), so one seed draws the same sequence.
  m_data = random_data{};
  initstate_r(seed, m_state, sizeof m_state, &m_data);
}

int GRandomStream::Rand() {
  int32_t value = 0;
  random_r(&m_data, &value);
  return (int)value;
}

float GRandomStream::RandReal(float lo, float hi) { return (float)Rand() / 2147483648.0f * (hi - lo) + lo; }
