#pragma once
// The particles' own random stream: the same kind of generator as the simulation's (the C
// library's additive generator), but with a state of its own, seeded once. Drawing fireworks never
// moves the simulation's generator, so how many frames are drawn cannot change the game.
namespace GUI_ParticleRandom {
int Rand();                           // 0 .. RAND_MAX
float RandReal(float lo, float hi);   // lo <= result < hi
float RandUnitFloat();
bool IsChance(float p);
void Seed(unsigned seed);             // tests start from a known state
}  // namespace GUI_ParticleRandom
