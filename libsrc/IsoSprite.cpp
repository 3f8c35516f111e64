#include "IsoSprite.h"

void IsoSprite::PlaceLocal(float x, float y) {
  vertices[0].x = x - width;
  vertices[0].y = y;
  vertices[1].x = x;
  vertices[1].y = y - height;
  vertices[2].x = x;
  vertices[2].y = y + height;
  vertices[3].x = x + width;
  vertices[3].y = y;
}
