#include "GUI_GameExplosion.h"

#include <algorithm>

#include "ExitCleanup.h"
#include "GUI_GamePieces.h"
#include "GRandom.h"
#include "GUI_Sounds.h"

std::list<GUI_GameExplosion*> GUI_GameExplosion::All;

GUI_GameExplosion::GUI_GameExplosion(V2 point, bool miss) : m_point(point), m_miss(miss) {
  const float size = miss ? kMissSize : kHitSize;
  m_sprite.SetTexture("videogame_explosion.dds");
  m_sprite.SetSize(size, size);
  // Each burst turned its own way, so that a row of them does not look stamped.
  m_sprite.Rotate(GRandom::RandReal(0.0f, 360.0f));
  m_sprite.SetUV(kFrames, 0);
  if (!miss) GUI_GetSounds()->PlaySound("data/sounds/videogame_explosion.ogg", false);
  m_timer.StartTimer();
  RegisterExitCleanup(Clear);
  All.push_back(this);
}

GUI_GameExplosion::~GUI_GameExplosion() { All.remove(this); }

bool GUI_GameExplosion::Draw() {
  m_timer.Update();
  const float t = (float)m_timer.GetElapsed() / kLifeMs;
  if (t >= 1.0f) return false;
  m_sprite.SetUV(kFrames, std::min((int)((float)kFrames * t), kFrames - 1));
  m_sprite.PlaceLocal(m_point.x, m_point.y);
  m_sprite.Draw();
  return true;
}

void GUI_GameExplosion::DrawAll() { GUI_GamePieces::DrawAll(All); }

void GUI_GameExplosion::Clear() { GUI_GamePieces::Clear(All); }
