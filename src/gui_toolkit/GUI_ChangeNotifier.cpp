#include "GUI_ChangeNotifier.h"

#include <cmath>
#include <cstdio>

#include "LibTextEngine.h"

std::list<GUI_ChangeNotifier*> GUI_ChangeNotifier::All;
GUI_SpriteList GUI_ChangeNotifier::GreenSpriteList;
GUI_SpriteList GUI_ChangeNotifier::RedSpriteList;

namespace {
constexpr float kSpriteSize = 34.0f;
}

GUI_ChangeNotifier::GUI_ChangeNotifier() {
  m_sprite.SetSize(kSpriteSize, kSpriteSize);
  All.push_back(this);
}

GUI_ChangeNotifier::~GUI_ChangeNotifier() { All.remove(this); }

void GUI_ChangeNotifier::Initialise(float delta, float x, float y, bool highIsGood) {
  // Nothing happened to the value (a change of 0, or one clipped away at 0 or 1): a "-1" here
  // would tell the player a story that is not true.
  if (!(std::fabs(delta) >= kNoChange)) return;

  m_amount = m_active ? m_amount + 100.0f * delta : 100.0f * delta;
  if (std::fabs(m_amount) < 100.0f * kNoChange) {
    // Changes that cancel out leave nothing to show.
    m_active = false;
    m_amount = 0.0f;
    return;
  }

  // Under one point still shows as one point, in the direction of the total.
  int shown = WholePoints(m_amount);
  if (shown == 0) shown = m_amount > 0.0f ? 1 : -1;

  m_timer.StartTimer();
  m_fadeState = 0;
  m_alpha = 0;
  if (shown >= 1) {
    std::snprintf(m_text, sizeof m_text, "+%d", shown);
  } else {
    std::snprintf(m_text, sizeof m_text, "%d", shown);
  }
  // Green is good news for the player: a rise of something good or a fall of something bad.
  m_green = (shown >= 1) == highIsGood;
  SetPosition(x, y);
  m_active = true;
  m_sprite.SetTexture(m_green ? "indicator_change_green.dds" : "indicator_change_red.dds");
}

void GUI_ChangeNotifier::SetPosition(float x, float y) {
  m_rect.left = (int32_t)(x - 45.0f);
  m_rect.top = (int32_t)(y - 12.0f);
  m_rect.right = (int32_t)x;
  m_rect.bottom = (int32_t)(y + 12.0f);
}

void GUI_ChangeNotifier::Draw() {
  if (!m_active) return;
  m_timer.Update();
  const float t = (float)m_timer.GetElapsed();
  float opacity = 1.0f;
  if (m_fadeState == 0) {
    if (t > FADETIME) {
      m_timer.StartTimer();
      m_fadeState = 1;
    } else {
      opacity = t / FADETIME;
    }
  }
  if (opacity < 0.0f) opacity = 0.0f;
  m_alpha = (int)(255.0f * opacity);
  m_sprite.SetVertexColor(255, 255, 255, m_alpha);
  m_sprite.rotation = 0.0f;
  m_sprite.SetSize(kSpriteSize, kSpriteSize);
  m_sprite.PlaceLocal((float)((m_rect.left + m_rect.right) / 2), (float)((m_rect.top + m_rect.bottom) / 2));
  (m_green ? GreenSpriteList : RedSpriteList).Add(&m_sprite);
}

void GUI_ChangeNotifier::DrawText() {
  if (!m_active) return;
  const uint32_t colour = ((uint32_t)(m_alpha & 0xFF) << 24) | 0xFFFFFFu;
  GetTextEngine()->AddQueueString(m_text, (float)m_rect.left, (float)m_rect.top, colour,
                                  (float)(m_rect.right - m_rect.left), LibTextEngine::ALIGN_CENTER);
}

int GUI_ChangeNotifier::WholePoints(float points) {
  const float allowance = 0.001f;
  return (int)(points >= 0.0f ? points + allowance : points - allowance);
}

void GUI_ChangeNotifier::CloseAll() {
  for (GUI_ChangeNotifier* n : All) n->m_active = false;
}

void GUI_ChangeNotifier::FinishDrawAll() {
  GreenSpriteList.Draw();
  RedSpriteList.Draw();
}
