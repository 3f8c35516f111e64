#pragma once
// One attribute's line on the attribute graph: its daily history averaged into at most 23 points
// (a dot each, joined by segments). The window's visible flag says whether it is drawn.
#include <vector>

#include "BaseSprite.h"
#include "GUI_WindowBase.h"

class SIM_Attribute;

class GUI_AttributeGraphLine : public GUI_WindowBase {
 public:
  static constexpr float kMaxSpacing = 100.0f;  // short histories stay at the left of the plot

  explicit GUI_AttributeGraphLine(SIM_Attribute* attribute);
  ~GUI_AttributeGraphLine() override;

  // The points from the history and their sprites inside the plot rectangle.
  void InitialiseSprites(RECT plot);
  void Draw() override;
  SIM_Attribute* GetAttribute() const { return m_attribute; }

  const std::vector<float>& GetPoints() const { return m_points; }
  const std::vector<BaseSprite>& GetDots() const { return m_dots; }
  const std::vector<BaseSprite>& GetSegments() const { return m_segments; }

  // The history in runs of n / 12 samples (at least 1), each complete run's mean a point; an
  // incomplete last run is dropped.
  static std::vector<float> AveragePoints(const std::vector<float>& history);

 private:
  SIM_Attribute* m_attribute;
  std::vector<BaseSprite> m_dots;
  std::vector<BaseSprite> m_segments;
  std::vector<float> m_points;
};
