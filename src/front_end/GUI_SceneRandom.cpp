#include "GUI_SceneRandom.h"

#include <cstdlib>

namespace GUI_SceneRandom {

namespace {
unsigned int g_state = 0x5ce4e5u;
}

float RandReal(float lo, float hi) { return (float)rand_r(&g_state) / 2147483648.0f * (hi - lo) + lo; }

}  // namespace GUI_SceneRandom
