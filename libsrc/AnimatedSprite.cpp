#include "AnimatedSprite.h"

AnimatedSprite::AnimatedSprite() { timer.StartTimer(); }

void AnimatedSprite::Initialise(float totalTime, int frames) {
  finished = false;
  frame = 0;
  playing = true;
  frameTime = frames > 0 ? totalTime / (float)frames : 0.0f;
  frameCount = frames;
  SetUV(frames, 0);
}

void AnimatedSprite::Draw() {
  if (!playing) return;
  timer.Update();
  if (timer.GetElapsed() > static_cast<double>(frameTime)) {
    timer.StartTimer();
    ++frame;
    if (frame < frameCount) {
      SetUV(frameCount, frame);
    } else {
      finished = true;
    }
  }
  if (!finished) BaseSprite::Draw();
}
