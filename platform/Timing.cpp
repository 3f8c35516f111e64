#include "Timing.h"

#include <time.h>

namespace {
uint64_t NowMs() {
  timespec ts;
  clock_gettime(CLOCK_MONOTONIC, &ts);
  return (uint64_t)ts.tv_sec * 1000u + (uint64_t)ts.tv_nsec / 1000000u;
}
}  // namespace

// Counted from system start-up (the monotonic clock starts at boot), like the clock the game seeds
// its random numbers with: a count from program start would give nearly the same seed every run.
// It wraps every 49.7 days, so readers take differences in unsigned arithmetic.
uint32_t timeGetTime() { return (uint32_t)NowMs(); }
