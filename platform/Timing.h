#pragma once
#include <cstdint>
// Milliseconds since system start-up, monotonic; wraps after 2^32 ms (take differences unsigned).
uint32_t timeGetTime();
