#include "Timing.h"

#include <time.h>

namespace {
uint64_t NowMs() {
  timespec ts;
  clock_gettime(CLOCK_MONOTONIC, &ts);
  return (uint64_t)ts.tv_sec * 1000u + (uint64_t)ts.tv_nsec / 1000000u;
}
const uint64_t g_start = NowMs();
}  // namespace

uint32_t timeGetTime() { return (uint32_t)(NowMs() - g_start); }
