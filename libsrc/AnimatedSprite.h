#pragma once
// A world sprite that steps once through the cells of a square sprite sheet and then stops
// being drawn.
#include "GTimer.h"
#include "WorldSprite.h"

class AnimatedSprite : public WorldSprite {
 public:
  AnimatedSprite();
  void Draw() override;
  // Plays frames cells over totalTime milliseconds from cell 0.
  void Initialise(float totalTime, int frames);
  bool IsPlaying() const { return playing; }
  bool IsFinished() const { return finished; }

  int frame = 0;
  GTimer timer;
  float frameTime = 0.0f;  // milliseconds a cell
  int frameCount = 0;
  bool playing = false;
  bool finished = false;
};
