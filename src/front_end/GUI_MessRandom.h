#pragma once
// The random stream of the home's mess, flies, fish and ambient sounds. They draw every frame, so
// drawing from the simulation's generator would make the number of frames drawn change the game:
// this is a generator of the same kind as the C library's, with its own state, seeded once.
namespace GUI_MessRandom {
int Rand();                          // 0 .. RAND_MAX, as rand()
float RandReal(float lo, float hi);  // lo <= result < hi, as GRandom::RandReal over this stream
}  // namespace GUI_MessRandom
