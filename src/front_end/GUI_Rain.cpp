#include "GUI_Rain.h"

#include <algorithm>
#include <cmath>

#include "D3DEngine.h"
#include "GUI_GUI.h"
#include "GUI_Lightning.h"
#include "GRandom.h"
#include "GUI_Sounds.h"
#include "SIM_Weather.h"

namespace {

// The two triangles of every quad: top-left, top-right, bottom-left, then bottom-left,
// top-right, bottom-right.
const float kQuadU[6] = {0.0f, 1.0f, 0.0f, 0.0f, 1.0f, 1.0f};
const float kQuadV[6] = {0.0f, 0.0f, 1.0f, 1.0f, 0.0f, 1.0f};

void InitQuad(_D3DTLVERTEX* v, uint32_t colour) {
  for (int i = 0; i < 6; ++i) v[i] = _D3DTLVERTEX(0.0f, 0.0f, 0.0f, 1.0f, colour, 0, kQuadU[i], kQuadV[i]);
}

void PlaceQuad(_D3DTLVERTEX* v, float l, float t, float r, float b) {
  const float xs[6] = {l, r, l, l, r, r};
  const float ys[6] = {t, t, b, b, t, b};
  for (int i = 0; i < 6; ++i) {
    v[i].x = xs[i];
    v[i].y = ys[i];
  }
}

float ScreenWidth() { return (float)GetD3DEngine()->GetScreenWidth(); }
float ScreenHeight() { return (float)GetD3DEngine()->GetScreenHeight(); }


}  // namespace

float GUI_RainDrop::RenderThrottle = 1.0f;
_D3DTLVERTEX GUI_Rain::Verts[GUI_Rain::DROPS * 6];
_D3DTLVERTEX GUI_Rain::SplashVerts[GUI_Rain::SPLASHES * 6];

GUI_Rain* GUI_GetRain() {
  static GUI_Rain* rain = new GUI_Rain;
  return rain;
}

// ---- Drops ----

void GUI_RainDrop::Initialise(int firstVertex) {
  m_firstVertex = firstVertex;
  m_position = V2(GRandom::Scene().RandReal(0.0f, ScreenWidth()), GRandom::Scene().RandReal(0.0f, ScreenHeight()));
  m_speed = GRandom::Scene().RandReal(8.0f, 12.0f);
  InitQuad(&GUI_Rain::Verts[m_firstVertex], VBColor(255, 255, 255, 128));
  m_groundLine = GRandom::Scene().RandReal(ScreenHeight() - 140.0f, ScreenHeight() - 80.0f);
}

void GUI_RainDrop::Draw() {
  m_position.y += RenderThrottle * m_speed;
  if (m_position.y > m_groundLine) {
    GUI_GetRain()->RequestSplash(m_position.x, m_position.y);
    m_position.x = GRandom::Scene().RandReal(0.0f, ScreenWidth());
    m_position.y = -32.0f;
  }
  PlaceQuad(&GUI_Rain::Verts[m_firstVertex], m_position.x - 1.5f, m_position.y - 10.0f, m_position.x + 1.5f,
            m_position.y + 10.0f);
}

// ---- Splashes ----

void GUI_RainSplash::Initialise(int firstVertex) {
  m_firstVertex = firstVertex;
  InitQuad(&GUI_Rain::SplashVerts[m_firstVertex], VBColor(255, 255, 255, 0));
}

void GUI_RainSplash::Start(float x, float y) {
  m_startTime = GUI_GetRain()->GetNow();
  m_position = V2(x, y);
  m_finished = false;
}

void GUI_RainSplash::Update() {
  if (m_finished) return;
  if (GUI_GetRain()->GetNow() - m_startTime > LIFE_MS) {
    m_finished = true;
    for (int i = 0; i < 6; ++i) GUI_Rain::SplashVerts[m_firstVertex + i].x = -100.0f;
  }
}

void GUI_RainSplash::Draw() {
  if (m_finished) return;
  const float t = std::clamp((float)((GUI_GetRain()->GetNow() - m_startTime) / LIFE_MS), 0.0f, 1.0f);
  const float a = std::sin(3.14159f * t);
  const float s = 4.0f + 24.0f * t;
  _D3DTLVERTEX* v = &GUI_Rain::SplashVerts[m_firstVertex];
  PlaceQuad(v, m_position.x - s, m_position.y - s / 2.0f, m_position.x + s, m_position.y + s / 2.0f);
  const uint32_t colour = VBColor(255, 255, 255, std::clamp((int)(255.0f * a), 0, 255));
  for (int i = 0; i < 6; ++i) v[i].diffuse = colour;
}

// ---- The rain ----

GUI_Rain::GUI_Rain() {
  for (int i = 0; i < DROPS; ++i) m_drops[i].Initialise(6 * i);
  for (int i = 0; i < SPLASHES; ++i) m_splashes[i].Initialise(6 * i);
  m_splashTexture.SetTexture("rainsplash.dds");
  m_clock.StartTimer();
}

void GUI_Rain::Draw() {
  Process();
  GUI_GetLightning()->DrawSheet();
  if (!m_playing) return;

  GUI_RainDrop::RenderThrottle = GUI_GetGUI()->GetRenderThrottle();
  const int n = (int)(DROPS * m_currentIntensity);
  for (int i = 0; i < n; ++i) m_drops[i].Draw();
  // A batch goes out only with its texture: a missing picture (reported once by the renderer)
  // leaves it out rather than drawing white blocks over the scene.
  if (n > 0 && GetD3DEngine()->SetTexture("raindrop2.dds")) GetD3DEngine()->DrawTriangles(Verts, nullptr, 6 * n);

  for (GUI_RainSplash& splash : m_splashes) splash.Draw();
  if (m_splashTexture.GetTextureNumber() != 0) {
    m_splashTexture.Set();
    GetD3DEngine()->DrawTriangles(SplashVerts, nullptr, SPLASHES * 6);
  }
}

void GUI_Rain::Process() {
  m_clock.Update();
  m_targetIntensity = SIM_GetWeather()->GetIntensity(SIM_Weather::WEATHER_RAIN);
  // The rain builds up and dies away by a hundredth a frame. A hundred float steps of 0.01 fall
  // short of 1 by a crumb, so the last step lands on the target instead of leaving it for one
  // more frame.
  constexpr float kStep = 0.01f, kCrumb = 0.0001f;
  if (m_currentIntensity > m_targetIntensity) {
    m_currentIntensity -= kStep;
    if (m_currentIntensity < m_targetIntensity + kCrumb) m_currentIntensity = m_targetIntensity;
  } else if (m_targetIntensity > m_currentIntensity) {
    m_currentIntensity += kStep;
    if (m_currentIntensity > m_targetIntensity - kCrumb) m_currentIntensity = m_targetIntensity;
  }
  m_currentIntensity = std::clamp(m_currentIntensity, 0.0f, 1.0f);

  if (m_currentIntensity <= 0.0f && m_playing) {
    GUI_GetSounds()->StopSound(m_channel);
    m_channel = -1;
    m_thunderGap = 0.0;
    m_playing = false;
  }
  if (m_currentIntensity > 0.0f && !m_playing) {
    // Without the sound (reported once by the sound manager) the rain still falls, silently.
    m_channel = GUI_GetSounds()->PlaySound(SOUND, std::max(m_targetIntensity, 0.2f), 0.0f, true);
    m_playing = true;
  }
  ProcessSplashes();
  if (m_playing) CheckForThunder();
}

void GUI_Rain::ProcessSplashes() {
  for (GUI_RainSplash& splash : m_splashes) splash.Update();
}

void GUI_Rain::CheckForThunder() {
  if (m_targetIntensity < THUNDER_INTENSITY) return;
  const double now = GetNow();
  // The gap is 0 at the start and after every stop, so a heavy rain strikes at once.
  if (now - m_lastThunderTime > m_thunderGap) {
    m_thunderGap = static_cast<double>(GRandom::Scene().RandReal(7000.0f, 20000.0f));
    m_lastThunderTime = now;
    GUI_GetLightning()->PrepareNextStrike();
  }
}

void GUI_Rain::RequestSplash(float x, float y) {
  if (m_currentIntensity <= 0.0f) return;
  const double now = GetNow();
  const double shortest = GUI_RainSplash::LIFE_MS / (double)(SPLASHES * m_currentIntensity);
  if (now - m_lastSplashTime < shortest) return;
  for (GUI_RainSplash& splash : m_splashes) {
    if (!splash.m_finished) continue;
    splash.Start(x, y);
    m_lastSplashTime = now;
    return;
  }
}

void GUI_Rain::PauseSounds() {
  GUI_GetSounds()->StopSound(m_channel);
  m_channel = -1;
  m_playing = false;
}

void GUI_Rain::ResumeSounds() {}
