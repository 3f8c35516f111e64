#include "WorldSprite.h"

#include "StringUtils.h"

bool WorldSprite::IsPointInside(float x, float y) {
  if (fixed) return BaseSprite::IsPointInside(x, y);
  return GetDist(x, y, localX, localY) < width / 2.0f;
}

void WorldSprite::Transform(float cameraX, float cameraY) {
  localX = worldX - cameraX;
  localY = worldY - cameraY;
  PlaceLocal(localX, localY);
}
