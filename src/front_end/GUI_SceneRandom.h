#pragma once
// The scene's own random draws: rain, snow and the like never touch the simulation's generator,
// so the number of frames drawn cannot change the game. The same kind of generator as the game's,
// with its own state, seeded once.
namespace GUI_SceneRandom {
float RandReal(float lo, float hi);  // lo <= result < hi (hi only from float rounding)
}
