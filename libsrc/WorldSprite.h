#pragma once
// A sprite placed from a world position and a camera offset; it hit-tests as a circle of its
// half width around its last placed centre.
#include "BaseSprite.h"

class WorldSprite : public BaseSprite {
 public:
  bool IsPointInside(float x, float y) override;
  // local = world - camera, then PlaceLocal there.
  void Transform(float cameraX, float cameraY);

  float worldX = 0.0f;
  float worldY = 0.0f;
  float localX = 0.0f;
  float localY = 0.0f;
};
