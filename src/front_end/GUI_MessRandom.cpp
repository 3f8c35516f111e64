#include "GUI_MessRandom.h"

#include <cstdlib>

namespace {

struct Stream {
  char state[128] = {};
  random_data data = {};
  Stream() { initstate_r(1u, state, sizeof(state), &data); }
};

Stream& TheStream() {
  static Stream stream;
  return stream;
}

}  // namespace

namespace GUI_MessRandom {

int Rand() {
  int32_t value = 0;
  random_r(&TheStream().data, &value);
  return value;
}

float RandReal(float lo, float hi) { return (float)Rand() / 2147483648.0f * (hi - lo) + lo; }

}  // namespace GUI_MessRandom
