#include "GUI_Snow.h"

#include <algorithm>
#include <cmath>

#include "D3DEngine.h"
#include "GUI_GUI.h"
#include "GRandom.h"
#include "SIM_Weather.h"

namespace {
constexpr float kFlakeDegrees = 3.14159f / 180.0f;
const float kFlakeU[6] = {0.0f, 1.0f, 0.0f, 0.0f, 1.0f, 1.0f};
const float kFlakeV[6] = {0.0f, 0.0f, 1.0f, 1.0f, 0.0f, 1.0f};
}  // namespace

float GUI_Snowflake::RenderThrottle = 1.0f;
_D3DTLVERTEX GUI_Snow::Verts[GUI_Snow::FLAKES * 6];

GUI_Snow* GUI_GetSnow() {
  static GUI_Snow* snow = new GUI_Snow;
  return snow;
}

GUI_Snow::GUI_Snow() {
  for (int i = 0; i < FLAKES; ++i) m_flakes[i].Initialise(6 * i, false);
  m_texture.SetTexture("snowflake2.dds");
}

void GUI_Snowflake::Initialise(int firstVertex, bool) {
  m_firstVertex = firstVertex;
  const float w = (float)GetD3DEngine()->GetScreenWidth();
  const float h = (float)GetD3DEngine()->GetScreenHeight();
  m_position = V2(GRandom::Scene().RandReal(0.0f, w), GRandom::Scene().RandReal(0.0f, h));
  const float angle = GRandom::Scene().RandReal(0.0f, 359.0f) * kFlakeDegrees;
  m_sin = std::sin(angle);
  m_cos = std::cos(angle);
  // One flake in five is a big one.
  m_halfSize = GRandom::Scene().RandReal(0.0f, 1.0f) < 0.2f ? GRandom::Scene().RandReal(4.0f, 8.0f)
                                                             : GRandom::Scene().RandReal(2.0f, 4.0f);
  m_speed = GRandom::Scene().RandReal(1.8f, 4.7f);
  const int alpha = std::min((int)GRandom::Scene().RandReal(64.0f, 200.0f), 199);
  _D3DTLVERTEX* v = &GUI_Snow::Verts[m_firstVertex];
  for (int i = 0; i < 6; ++i) v[i] = _D3DTLVERTEX(0.0f, 0.0f, 0.0f, 1.0f, VBColor(255, 255, 255, alpha), 0, kFlakeU[i], kFlakeV[i]);
  const float drift = GRandom::Scene().RandReal(170.0f, 190.0f) * kFlakeDegrees;
  m_driftSin = std::sin(drift);
  m_driftCos = std::cos(drift);
}

void GUI_Snowflake::Draw() {
  m_position.x += RenderThrottle * m_speed * m_driftSin;
  // The drift's cosine is negative: the flake falls.
  m_position.y -= RenderThrottle * m_speed * m_driftCos;
  if (m_position.y > (float)GetD3DEngine()->GetScreenHeight() + 32.0f) {
    m_position.y = -32.0f;
    m_position.x = GRandom::Scene().RandReal(0.0f, (float)GetD3DEngine()->GetScreenWidth());
  }
  const float s = m_halfSize;
  const float dx[6] = {-s, s, -s, -s, s, s};
  const float dy[6] = {-s, -s, s, s, -s, s};
  _D3DTLVERTEX* v = &GUI_Snow::Verts[m_firstVertex];
  for (int i = 0; i < 6; ++i) {
    v[i].x = m_position.x + dx[i] * m_cos - dy[i] * m_sin;
    v[i].y = m_position.y + dx[i] * m_sin + dy[i] * m_cos;
  }
}

void GUI_Snow::Draw() {
  const float intensity = std::clamp(SIM_GetWeather()->GetIntensity(SIM_Weather::WEATHER_SNOW), 0.0f, 1.0f);
  if (intensity <= 0.0f) return;
  const int n = (int)(FLAKES * intensity);
  GUI_Snowflake::RenderThrottle = GUI_GetGUI()->GetRenderThrottle();
  for (int i = 0; i < n; ++i) m_flakes[i].Draw();
  // A missing picture (reported once by the renderer) leaves the flakes out rather than drawing
  // white squares.
  if (n <= 0 || m_texture.GetTextureNumber() == 0) return;
  m_texture.Set();
  GetD3DEngine()->DrawTriangles(Verts, nullptr, 6 * n);
}
