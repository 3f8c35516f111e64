#include "GUI_Lightning.h"

#include <algorithm>
#include <cmath>

#include "D3DEngine.h"
#include "GUI_GUI.h"
#include "GRandom.h"
#include "GUI_Sounds.h"
#include "SIM_PlayerOptions.h"

GUI_Lightning* GUI_GetLightning() {
  static GUI_Lightning lightning;
  return &lightning;
}

GUI_Lightning::GUI_Lightning() { Initialise(); }

void GUI_Lightning::Initialise() {
  m_bolt.SetTexture("lightning.dds");
  m_bolt.SetSize(350.0f, 350.0f);
  m_bolt.PlaceLocal(595.0f, 160.0f);
  PrepareNextStrike();
  m_striking = false;
  m_intensity = 0.0f;
}

void GUI_Lightning::PrepareNextStrike() {
  if (GRandom::Scene().IsChance(0.5f)) m_bolt.MirrorLeftRight();
  m_striking = true;
  m_timer.StartTimer();
}

void GUI_Lightning::Draw() {
  if (!m_striking) return;
  m_timer.Update();
  const float t = (float)m_timer.GetElapsed() / STRIKE_MS;
  const float a = std::clamp((float)std::sin(3.14159f * t), 0.0f, 1.0f);
  m_bolt.SetVertexColor(255, 255, 255, (int)(255.0f * a));
  m_bolt.Draw();
  if (t > 1.0f) {
    m_striking = false;
    // The thunder comes as the bolt fades, never with it.
    GUI_GetSounds()->PlaySound(THUNDER, GRandom::Scene().RandReal(0.6f, 1.0f), GRandom::Scene().RandReal(-0.9f, 0.9f),
                               false);
    m_intensity = 1.0f;
    m_sheet.SetSize(D3DEngine::W + 2.0f, D3DEngine::H + 2.0f);
    m_sheet.PlaceLocal(D3DEngine::W / 2.0f, D3DEngine::H / 2.0f);
  }
}

void GUI_Lightning::DrawSheet() {
  if (m_intensity <= 0.0f) return;
  // The fade runs whether or not the sheet is shown, so the sky's whitening fades the same way.
  m_intensity -= SHEET_FADE * GUI_GetGUI()->GetRenderThrottle();
  if (m_intensity < 0.0f) m_intensity = 0.0f;
  if (SIM_GetPlayerOptions()->GetToggle(SIM_PlayerOptions::TOGGLE_BACKGROUND)) return;
  m_sheet.SetVertexColor(255, 255, 255, (int)(255.0f * m_intensity));
  GetD3DEngine()->SetTexture(0, 0);
  m_sheet.DrawNoChecks();
}
