#pragma once
// A small polygon: points in the order added, a centre, a point-in-polygon test, subdivision and
// duplicate pruning.
#include <cstdint>
#include <vector>

#include "V2.h"

class GNgon {
 public:
  GNgon() = default;
  virtual ~GNgon();

  void AddPoint(V2 point) { points.push_back(point); }
  // Even-odd crossing rule; a polygon without points contains nothing.
  bool Inside(V2 p) const;
  // The mean of the points; a polygon without points keeps its centre.
  void CalculateCenter();
  // Every edge split at its midpoint: n points become 2n.
  void Tesselate();
  // Later copies of a point dropped (exact comparison); the first ones keep their order.
  void PruneDuplicatePoints();

  void DrawPoints() const;                 // a small square at each point, white
  void DrawOutline(uint32_t colour) const;  // the closed outline, sprite packing
  void DrawFill(uint32_t colour) const;     // a fan from the first point; right for convex shapes

  std::vector<V2> points;
  V2 centre;
};
