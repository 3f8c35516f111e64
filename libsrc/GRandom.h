#pragma once
// The game's random draws over the C library generator (seeded once by the simulation), so a
// fixed seed replays the same game.
#include <cstdlib>

namespace GRandom {
// lo <= result <= hi (hi only from the float rounding of the largest draws).
float RandReal(float lo, float hi);
float RandUnitFloat();
// True with probability p: p <= 0 never holds, p >= 1 (nearly) always.
bool IsChance(float p);
}  // namespace GRandom

// A generator of the same kind as rand() with a state of its own. Whatever draws from one never
// moves the simulation's draws, so the scenery may draw as often as frames come without changing
// the game a seed replays.
class GRandomStream {
 public:
  explicit GRandomStream(unsigned seed = 1);
  GRandomStream(const GRandomStream&) = delete;  // the state holds pointers into itself
  GRandomStream& operator=(const GRandomStream&) = delete;

  void Seed(unsigned seed);
  int Rand();  // 0 .. RAND_MAX, like rand()
  float RandReal(float lo, float hi);
  float RandUnitFloat() { return RandReal(0.0f, 1.0f); }
  bool IsChance(float p) { return p > RandUnitFloat(); }

 private:
  random_data m_data{};
  char m_state[128] = {};
};

namespace GRandom {
// The scene's stream: the sky, weather, mess and particles draw from it, never from rand().
// Seeded once from the millisecond clock on first use.
GRandomStream& Scene();
}  // namespace GRandom
