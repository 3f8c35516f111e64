#include "GUI_Fish.h"

#include <algorithm>
#include <cmath>

#include "D3DEngine.h"
#include "GUI_GUI.h"
#include "GRandom.h"
#include "SIM_NamedValue.h"

GUI_Fish* GUI_GetFish() {
  static GUI_Fish* fish = new GUI_Fish;
  return fish;
}

namespace {

float ScreenW() { return (float)GetD3DEngine()->GetScreenWidth(); }
float ScreenH() { return (float)GetD3DEngine()->GetScreenHeight(); }
float RandomDepth() { return GRandom::Scene().RandReal(64.0f, ScreenH() - 64.0f); }

}  // namespace

void GUI_Fish::Initialise() {
  for (GUI_FishSprite& fish : m_fish) fish.Initialise(GRandom::Scene().RandReal(48.0f, 128.0f));
  m_initialised = true;
}

void GUI_Fish::Draw() {
  if (!SIM_NamedValueList::Globals.IsTrue("fish")) return;
  if (!m_initialised) Initialise();
  for (GUI_FishSprite& fish : m_fish) fish.Draw();
}

void GUI_FishSprite::Initialise(float size) {
  m_size = size;
  m_sprite.SetSize(size, size);
  m_wobble = GRandom::Scene().RandReal(0.0f, 1.0f);
  m_sprite.SetVertexColor(255, 255, 255, 64);
  // Small fish dart, big ones drift.
  m_speed = std::max(1.0f - (size - 48.0f) / 80.0f, 0.085f);
  m_heading = GRandom::Scene().RandReal(70.0f, 110.0f);
  m_sprite.rotation = m_heading - 90.0f;
  m_textureName = GRandom::Scene().RandReal(0.0f, 1.0f) < 0.5f ? "fish1.dds" : "fish2.dds";
  if (GRandom::Scene().RandReal(0.0f, 1.0f) < 0.5f) {
    m_movingRight = true;
    m_position.x = GRandom::Scene().RandReal(-ScreenW() / 2.0f, -64.0f);
  } else {
    m_sprite.MirrorLeftRight();
    m_movingRight = false;
    m_position.x = ScreenW() + GRandom::Scene().RandReal(46.0f, ScreenW() / 2.0f);
    m_speed = -m_speed;
  }
  m_position.y = RandomDepth();
}

void GUI_FishSprite::TurnLeft() {
  m_sprite.MirrorLeftRight();
  m_movingRight = false;
  m_position.x = ScreenW() + GRandom::Scene().RandReal(46.0f, ScreenW() / 2.0f);
  m_position.y = RandomDepth();
  m_speed = -m_speed;
}

void GUI_FishSprite::TurnRight() {
  m_sprite.MirrorLeftRight();
  m_movingRight = true;
  m_position.x = GRandom::Scene().RandReal(-ScreenW() / 2.0f, -64.0f);
  m_position.y = RandomDepth();
  m_speed = -m_speed;
}

void GUI_FishSprite::Draw() {
  GetD3DEngine()->SetTexture(m_textureName);
  m_sprite.PlaceLocal(m_position.x, m_position.y);
  m_sprite.Draw();

  const float step = m_speed * GUI_GetGUI()->GetRenderThrottle();
  const double radians = (double)m_heading * 0.017453277777777776;
  m_position.x += step * (float)std::sin(radians);
  m_position.y -= step * (float)std::cos(radians);
  if (m_movingRight && m_position.x > ScreenW() + 128.0f) {
    TurnLeft();
  } else if (!m_movingRight && m_position.x < -128.0f) {
    TurnRight();
  }

  m_wobble += step / 800.0f;
  if (m_wobble > 1.0f) m_wobble -= 1.0f;
  m_heading = 90.0f + 20.0f * (float)std::sin(6.28318f * m_wobble);
  m_sprite.rotation = m_heading - 90.0f;
}
