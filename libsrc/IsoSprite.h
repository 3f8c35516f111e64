#pragma once
// A diamond-shaped quad: width and height are its half-diagonals.
#include "BaseSprite.h"

class IsoSprite : public BaseSprite {
 public:
  void PlaceLocal(float x, float y) override;
};
