#include "GUI_Helicopter.h"

#include "D3DEngine.h"
#include "GUI_GUI.h"
#include "GRandom.h"

GUI_Helicopter::GUI_Helicopter() {
  m_gap = GRandom::Scene().RandReal(MIN_GAP_MS, MAX_GAP_MS);
  m_sprite.SetTexture("helicopter.dds");
  m_sprite.SetSize(32.0f, 32.0f);
  m_sprite.SetVertexColor(44, 44, 44, 255);
  m_gapTimer.StartTimer();
}

void GUI_Helicopter::StartFlight() {
  m_flying = true;
  const bool right = GRandom::Scene().IsChance(0.5f);
  m_position.x = right ? -MARGIN : D3DEngine::W + MARGIN;
  // The picture faces the way of the first crossing; it turns only when the direction changes.
  if (right != m_movingRight) m_sprite.MirrorLeftRight();
  m_movingRight = right;
  if (GRandom::Scene().IsChance(0.5f)) {
    m_sprite.SetTexture("helicopter.dds");
    m_speed = 0.3f;
    m_position.y = GRandom::Scene().RandReal(100.0f, 320.0f);
  } else {
    m_sprite.SetTexture("balloon.dds");
    m_speed = 0.1f;
    m_position.y = GRandom::Scene().RandReal(100.0f, 170.0f);
  }
}

void GUI_Helicopter::Draw() {
  if (!m_flying) {
    m_gapTimer.Update();
    if (m_gapTimer.GetElapsed() >= (double)m_gap) StartFlight();
    return;
  }
  const float step = m_speed * GUI_GetGUI()->GetRenderThrottle();
  m_position.x += m_movingRight ? step : -step;
  if ((m_movingRight && m_position.x > D3DEngine::W + MARGIN) || (!m_movingRight && m_position.x < -MARGIN)) {
    m_flying = false;
    m_gapTimer.StartTimer();
    m_gap = GRandom::Scene().RandReal(MIN_GAP_MS, MAX_GAP_MS);
    return;
  }
  m_sprite.PlaceLocal(m_position.x, m_position.y);
  GetD3DEngine()->SetPointFilter();
  m_sprite.Draw();
  GetD3DEngine()->SetLinearFilter();
}
