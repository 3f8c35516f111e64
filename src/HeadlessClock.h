#pragma once
// The clock of the headless player's timed screens (the crossword's stopwatch, the video game): it
// moves only when stepped, so a seeded run never depends on how fast the machine is. Held, it starts
// where the game's clock reads; released, the game's clock goes on from where the steps left it,
// shifted by the time stepped, so a timer that runs across both never sees time go backwards.
#include <cstdint>

namespace HeadlessClock {
void Hold();  // again while held: nothing changes
void Step(uint32_t ms);
void Release();
bool IsHeld();
}  // namespace HeadlessClock
