#include "GUI_AttributeGraphLine.h"

#include "D3DEngine.h"
#include "GDebug.h"
#include "SIM_Attribute.h"
#include "StringUtils.h"

namespace {
constexpr float kDotSize = 12.0f;
constexpr float kSegmentWidth = 6.0f;
constexpr int kLineAlpha = 200;
}  // namespace

GUI_AttributeGraphLine::GUI_AttributeGraphLine(SIM_Attribute* attribute) : m_attribute(attribute) {
  GAssert(attribute != nullptr, __FILE__, __LINE__);
}

GUI_AttributeGraphLine::~GUI_AttributeGraphLine() {
  m_dots.clear();
  m_segments.clear();
  m_points.clear();
}

std::vector<float> GUI_AttributeGraphLine::AveragePoints(const std::vector<float>& history) {
  std::vector<float> points;
  const size_t n = history.size();
  size_t group = n / 12;
  if (group < 1) group = 1;
  for (size_t start = 0; start + group <= n; start += group) {
    float sum = 0.0f;
    for (size_t i = start; i < start + group; ++i) sum += history[i];
    points.push_back(sum / (float)group);
  }
  return points;
}

void GUI_AttributeGraphLine::InitialiseSprites(RECT plot) {
  m_dots.clear();
  m_segments.clear();
  m_points = m_attribute ? AveragePoints(m_attribute->GetHistory()) : std::vector<float>();

  const float plotWidth = (float)(plot.right - plot.left);
  float spacing = m_points.empty() ? 0.0f : plotWidth / (float)m_points.size();
  if (spacing > kMaxSpacing) spacing = kMaxSpacing;

  SIM_Attribute::GraphColor c;
  if (m_attribute) c = m_attribute->GetGraphColor();
  const uint32_t colour = SpriteColor(c.r, c.g, c.b, kLineAlpha);

  float x = (float)plot.left;
  float prevX = 0.0f, prevY = 0.0f;
  for (size_t i = 0; i < m_points.size(); ++i) {
    const float y = (float)plot.bottom - (float)(plot.bottom - plot.top) * m_points[i];
    BaseSprite dot;
    dot.SetSize(kDotSize, kDotSize);
    dot.PlaceLocal(x, y);
    dot.SetVertexColor(colour);
    m_dots.push_back(dot);
    if (i > 0) {
      BaseSprite segment;
      segment.SetSize(kSegmentWidth, GetDist(prevX, prevY, x, y));
      segment.Rotate(AngleToObject(double(prevX), double(prevY), double(x), double(y)));
      segment.PlaceLocal((prevX + x) / 2.0f, (prevY + y) / 2.0f);
      segment.SetVertexColor(colour);
      m_segments.push_back(segment);
    }
    prevX = x;
    prevY = y;
    x += spacing;
  }
  SetVisible(m_attribute && m_attribute->GetName() == "happiness");
}

void GUI_AttributeGraphLine::Draw() {
  if (!m_visible) return;
  D3DEngine* engine = GetD3DEngine();
  engine->SetTexture("graph_line.dds");
  for (BaseSprite& segment : m_segments) segment.DrawNoChecks();
  engine->SetTexture("graph_dot.dds");
  for (BaseSprite& dot : m_dots) dot.DrawNoChecks();
}
