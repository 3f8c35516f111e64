#pragma once
#include <cstdint>
// Milliseconds since the program started, monotonic.
uint32_t timeGetTime();
