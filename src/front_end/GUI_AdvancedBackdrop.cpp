#include "GUI_AdvancedBackdrop.h"

#include <algorithm>
#include <cmath>

#include "D3DEngine.h"
#include "GRandom.h"
#include "GUI_Lightning.h"
#include "SIM_SIM.h"
#include "SIM_Weather.h"

namespace {

constexpr float kTwoPi = 6.28318f;

struct StyleColours {
  LibColor top, bottom, clouds;
};

// Evening, day, overcast, rain, night. The bottom colour also tints the skyline.
const StyleColours kStyles[GUI_AdvancedBackdrop::NUM_STYLES] = {
    {{235, 201, 18, 255}, {226, 90, 30, 255}, {255, 255, 255, 64}},
    {{35, 150, 212, 255}, {165, 221, 248, 255}, {255, 255, 255, 64}},
    {{220, 220, 220, 255}, {44, 42, 43, 255}, {255, 255, 255, 64}},
    {{220, 220, 220, 255}, {44, 42, 43, 255}, {95, 95, 95, 104}},
    {{0, 0, 0, 255}, {16, 88, 210, 255}, {255, 255, 255, 64}},
};

// Fixed places: the night sky does not follow the screen size.
const float kStarCentres[GUI_BackdropStars::NUM_STARS][2] = {
    {700, 200}, {568, 173}, {33, 134},  {471, 24}, {663, 78},  {903, 41}, {878, 99},
    {422, 166}, {543, 94},  {750, 22},  {829, 146}, {586, 42}, {791, 75},
};

const LibColor kWhite(255, 255, 255, 255);

}  // namespace

// ---- Stars ----

GUI_BackdropStars::GUI_BackdropStars() : m_texture("skyline_star.dds") {
  GRandomStream& random = GRandom::Scene();
  for (int i = 0; i < NUM_STARS; ++i) {
    BaseSprite& star = m_stars[i];
    star.Rotate(random.RandReal(0.0f, 360.0f));
    const float size = random.RandReal(4.0f, 10.0f);
    star.SetSize(size, size);
    star.PlaceLocal(kStarCentres[i][0], kStarCentres[i][1]);
  }
}

void GUI_BackdropStars::Draw(float alpha) {
  m_texture.Set();
  for (BaseSprite& star : m_stars) {
    // Nearer the horizon, fainter: a star 300 pixels down would not show at all.
    const float k = std::clamp(1.0f - star.GetCenterY() / 300.0f, 0.0f, 1.0f);
    star.SetVertexColor(255, 255, 255, int(255.0f * alpha * k));
    star.DrawNoChecks();
  }
}

// ---- Distorter ----

GUI_ImageDistorter* GUI_GetImageDistorter() {
  static GUI_ImageDistorter distorter;
  return &distorter;
}

GUI_ImageDistorter::GUI_ImageDistorter() {
  GRandomStream& random = GRandom::Scene();
  for (float& phase : m_phase) phase = random.RandReal(0.0f, kTwoPi);
  // Laid out once for the screen of this moment; one pixel past every edge.
  const float w = D3DEngine::W, h = D3DEngine::H;
  for (int r = 0; r < ROWS; ++r) {
    for (int c = 0; c < COLUMNS; ++c) {
      const int i = r * COLUMNS + c;
      m_rest[i] = D3DVECTOR((w + 2.0f) / 9.0f * float(c) - 1.0f, (h + 2.0f) / 4.0f * float(r) - 1.0f, 0.0f);
      m_moved[i] = m_rest[i];
    }
  }
  m_timer.StartTimer();
}

void GUI_ImageDistorter::Flutter(float step) {
  for (float& phase : m_phase) {
    phase += 0.02f * step;
    if (phase > kTwoPi) phase -= kTwoPi;
  }
  for (int i = 0; i < POINTS; ++i) {
    if (!IsInner(i)) continue;  // the border holds the picture's edges in place
    const float swing = 8.0f * std::cos(m_phase[i]);
    m_moved[i] = D3DVECTOR(m_rest[i].x + swing, m_rest[i].y + swing, 0.0f);
  }
}

void GUI_ImageDistorter::Draw(unsigned long colour, float speed) {
  m_timer.Update();
  Flutter(m_timer.GetThrottle() * speed);
  const uint32_t diffuse = uint32_t(colour);
  D3DEngine* engine = GetD3DEngine();
  // The grid covers the top three quarters of the texture, the part the skyline sprite shows.
  constexpr float kRowV = 0.75f / float(ROWS - 1);
  for (int r = 0; r < ROWS - 1; ++r) {
    for (int c = 0; c < COLUMNS - 1; ++c) {
      const int corner[4][2] = {{c, r}, {c + 1, r}, {c, r + 1}, {c + 1, r + 1}};  // TL, TR, BL, BR
      _D3DTLVERTEX quad[4];
      for (int k = 0; k < 4; ++k) {
        const int cc = corner[k][0], rr = corner[k][1];
        const D3DVECTOR& p = m_moved[rr * COLUMNS + cc];
        quad[k] = _D3DTLVERTEX(p.x, p.y, 0.0f, 1.0f, diffuse, 0, float(cc) / float(COLUMNS - 1), float(rr) * kRowV);
      }
      engine->DrawQuad(quad);
    }
  }
}

// ---- Sky ----

GUI_AdvancedBackdrop* GUI_GetAdvancedBackdrop() {
  static GUI_AdvancedBackdrop sky;
  return &sky;
}

LibColor GUI_AdvancedBackdrop::TopColor(int style) { return kStyles[Clamp(style)].top; }
LibColor GUI_AdvancedBackdrop::BottomColor(int style) { return kStyles[Clamp(style)].bottom; }
LibColor GUI_AdvancedBackdrop::CloudColor(int style) { return kStyles[Clamp(style)].clouds; }

int GUI_AdvancedBackdrop::Clamp(int style) { return std::clamp(style, 0, NUM_STYLES - 1); }

GUI_AdvancedBackdrop::GUI_AdvancedBackdrop() {
  Reset();
  for (int s = 0; s < NUM_STYLES; ++s) {
    m_top[s] = kStyles[s].top;
    m_bottom[s] = kStyles[s].bottom;
    m_cloudColours[s] = kStyles[s].clouds;
  }
  ForceStyle(STYLE_DAY);
}

void GUI_AdvancedBackdrop::Reset() {
  const float w = D3DEngine::W, h = D3DEngine::H;
  m_skyline.SetTexture("skyline_buildings.dds");
  m_skylineTexture.SetTexture("skyline_buildings.dds");
  m_skyline.SetSize(w, h);
  m_skyline.SetUV(0.0f, 0.0f, 1.0f, 0.75f);
  m_skyline.PlaceLocal(w / 2.0f, h / 2.0f);

  m_clouds.SetTexture("clouds.dds");
  m_clouds.SetSize(w, 512.0f);
  m_clouds.PlaceLocal(w / 2.0f, 256.0f);

  // From y -2 to 515, where the skyline's opaque foot begins.
  m_gradient.SetSize(w + 2.0f, 517.0f);
  m_gradient.PlaceLocal(w / 2.0f, 256.5f);
}

void GUI_AdvancedBackdrop::ForceStyle(int style) {
  const int s = Clamp(style);
  m_targetStyle = m_currentStyle = s;
  m_fromTop = m_blendedTop = m_displayTop = m_top[s];
  m_fromBottom = m_blendedBottom = m_displayBottom = m_bottom[s];
  m_fromClouds = m_blendedClouds = m_cloudColours[s];
  ApplyColours();
}

void GUI_AdvancedBackdrop::SetTargetStyle(int style) {
  const int s = Clamp(style);
  if (s == m_targetStyle) return;
  m_targetStyle = s;
  // Back to where it was heading from: the blend runs on towards the current style's colours.
  if (s == m_currentStyle) return;
  m_blendTimer.StartTimer();
  m_fromTop = m_blendedTop;
  m_fromBottom = m_blendedBottom;
  m_fromClouds = m_blendedClouds;
}

int GUI_AdvancedBackdrop::ChooseStyle(bool dayFinished, bool evening, int slotsLeft, float cloud, float rain,
                                      float snow) {
  if (dayFinished) return STYLE_NIGHT;
  if (rain > 0.0f) return STYLE_RAIN;
  if (cloud > 0.0f || snow > 0.0f) return STYLE_OVERCAST;
  // A free day's evening keeps the day's colours until its first activity is done.
  if (evening) return slotsLeft == 2 ? STYLE_DAY : STYLE_EVENING;
  return STYLE_DAY;
}

void GUI_AdvancedBackdrop::CalculateTargetStyle() {
  const SIM_SIM* sim = SIM_GetSim();
  const SIM_Weather* weather = SIM_GetWeather();
  SetTargetStyle(ChooseStyle(sim->IsDayFinished(), sim->IsAfterWork(), sim->GetActivitiesRemaining(),
                             weather->GetIntensity(SIM_Weather::WEATHER_CLOUD),
                             weather->GetIntensity(SIM_Weather::WEATHER_RAIN),
                             weather->GetIntensity(SIM_Weather::WEATHER_SNOW)));
}

void GUI_AdvancedBackdrop::Interpolate() {
  m_blendTimer.Update();
  const double t = m_blendTimer.GetElapsed() / BLEND_MS;
  m_blend = float(std::clamp(t, 0.0, 1.0));
  m_blendedBottom = LibColor::Interpolate(m_fromBottom, m_bottom[m_targetStyle], m_blend);
  m_blendedTop = LibColor::Interpolate(m_fromTop, m_top[m_targetStyle], m_blend);
  m_blendedClouds = LibColor::Interpolate(m_fromClouds, m_cloudColours[m_targetStyle], m_blend);

  m_displayTop = m_blendedTop;
  m_displayBottom = m_blendedBottom;
  // A flash of lightning whitens the whole gradient and the skyline and fades with the sheet.
  const float flash = GUI_GetLightning()->GetIntensity();
  if (flash > 0.0f) {
    m_displayTop = LibColor::Interpolate(m_blendedTop, kWhite, flash);
    m_displayBottom = LibColor::Interpolate(m_blendedBottom, kWhite, flash);
  }
  ApplyColours();
  if (t > 1.0) m_currentStyle = m_targetStyle;
}

void GUI_AdvancedBackdrop::ApplyColours() {
  m_gradient.vertices[0].diffuse = m_gradient.vertices[1].diffuse = m_displayTop.GetD3DColor();
  m_gradient.vertices[2].diffuse = m_gradient.vertices[3].diffuse = m_displayBottom.GetD3DColor();
  m_skyline.SetVertexColor(m_displayBottom);
  m_clouds.SetVertexColor(m_blendedClouds);
}

float GUI_AdvancedBackdrop::GetStarAlpha() const {
  if (m_targetStyle == STYLE_NIGHT) return m_blend;
  if (m_currentStyle == STYLE_NIGHT) return 1.0f - m_blend;
  return 0.0f;
}

void GUI_AdvancedBackdrop::Draw(bool drunk) {
  CalculateTargetStyle();
  Interpolate();

  D3DEngine* engine = GetD3DEngine();
  if (!D3DEngine::BInScene) engine->BeginRender();
  engine->SetTexture(0, 0);
  engine->DrawGradientQuad(m_gradient.vertices);

  const float stars = GetStarAlpha();
  if (stars > 0.0f) m_stars.Draw(stars);
  m_clouds.Draw();
  // The bolt goes behind the skyline, which hides its foot.
  GUI_GetLightning()->Draw();
  if (drunk) {
    m_skylineTexture.Set();
    GUI_GetImageDistorter()->Draw(m_displayBottom.GetD3DColor(), 1.0f);
  } else {
    m_skyline.Draw();
  }
}
