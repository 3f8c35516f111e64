#pragma once
// The engine's 2D point.
struct V2 {
  float x = 0.0f;
  float y = 0.0f;
  V2() = default;
  V2(float ax, float ay) : x(ax), y(ay) {}
  bool operator==(const V2& o) const { return x == o.x && y == o.y; }
};
