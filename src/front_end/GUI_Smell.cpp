#include "GUI_Smell.h"

#include <cmath>

#include "GRandom.h"
#include "GUI_Avatar.h"
#include "GUI_GUI.h"
#include "Game.h"
#include "SIM_Vede.h"
#include "StringUtils.h"

GUI_Smell* GUI_GetSmell() {
  static GUI_Smell smell;
  return &smell;
}

GUI_SmellyFly::GUI_SmellyFly() {
  const V2 centre = GUI_GetAvatar()->GetCenter();
  m_position = V2(centre.x + GRandom::Scene().RandReal(-64.0f, 64.0f), GRandom::Scene().RandReal(centre.y - 256.0f - 16.0f, centre.y - 256.0f + 8.0f));
  SetSize(6.0f, 6.0f);
  PickDestination();
  SetTexture("fly.dds");
  SetUV(4, 0);
}

void GUI_SmellyFly::PickDestination() {
  const V2 centre = GUI_GetAvatar()->GetCenter();
  m_destination = V2(centre.x + GRandom::Scene().RandReal(-64.0f, 64.0f), GRandom::Scene().RandReal(centre.y - 272.0f, centre.y - 248.0f));
}

void GUI_SmellyFly::Draw() {
  const float dx = m_destination.x - m_position.x;
  const float dy = m_destination.y - m_position.y;
  if (std::sqrt(dx * dx + dy * dy) < 4.0f) {
    PickDestination();
  } else {
    const float heading = AngleToObject(double(m_position.x), double(m_position.y), double(m_destination.x),
                                        double(m_destination.y));
    rotation = heading;
    const float step = 1.2f * GUI_GetGUI()->GetRenderThrottle();
    const double radians = (double)heading * 0.017453277777777776;
    m_position.x += (float)std::sin(radians) * step;
    m_position.y -= (float)std::cos(radians) * step;
  }
  PlaceLocal(m_position.x, m_position.y);
  CTexturedSprite::Draw();
}

int GUI_Smell::FliesFor(float smell) {
  if (smell < 0.5f) return 0;
  float fraction = (smell - 0.5f) / 0.5f;
  if (fraction < 0.0f) fraction = 0.0f;
  if (fraction > 1.0f) fraction = 1.0f;
  return (int)(FLY_COUNT * fraction);
}

void GUI_Smell::Draw() {
  if (GetGame()->GetGameMode() != Game::GAMEMODE_INGAME) return;
  if (++m_frameCounter > READ_EVERY) {
    m_smell = 1.0f - SIM_GetVede()->GetValue("_cleanliness");
    m_frameCounter = 0;
  }
  const int count = FliesFor(m_smell);
  for (int i = 0; i < count; ++i) m_flies[i].Draw();
}
