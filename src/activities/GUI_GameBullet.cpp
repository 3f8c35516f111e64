#include "GUI_GameBullet.h"

#include <algorithm>
#include <cmath>

#include "ExitCleanup.h"
#include "GUI_GamePieces.h"
#include "GUI_GameExplosion.h"
#include "GUI_GamePlane.h"

std::list<GUI_GameBullet*> GUI_GameBullet::All;

namespace {
constexpr float kRadToDeg = 57.29577951f;
}

GUI_GameBullet::GUI_GameBullet(V2 target, V2 start) : m_target(target), m_current(start), m_start(start) {
  const float dx = target.x - start.x;
  const float dy = target.y - start.y;
  m_distance = std::sqrt(dx * dx + dy * dy);
  // Screen y grows downwards: straight up is (0, -1).
  m_angle = std::atan2(dx, -dy) * kRadToDeg;
  if (m_angle < 0.0f) m_angle += 360.0f;
  m_sprite.SetTexture("videogame_bullet.dds");
  m_sprite.SetVertexColor(128, 128, 128, 255);
  m_sprite.SetSize(kSize, kSize);
  m_sprite.Rotate(m_angle);
  m_timer.StartTimer();
  RegisterExitCleanup(Clear);
  All.push_back(this);
}

GUI_GameBullet::~GUI_GameBullet() { All.remove(this); }

bool GUI_GameBullet::Draw() {
  m_timer.Update();
  const float t = std::clamp((float)m_timer.GetElapsed() / kFlightMs, 0.0f, 1.0f);
  m_current = V2(m_start.x + (m_target.x - m_start.x) * t, m_start.y + (m_target.y - m_start.y) * t);
  if (t >= 1.0f) {
    const bool hit = GUI_GamePlane::Hit(m_target);
    new GUI_GameExplosion(m_target, !hit);
    return false;
  }
  // Smaller as it climbs away: full size for the first 30% of the way, then down to 30%.
  const float size = kSize * std::clamp(0.3f + (1.0f - t), 0.0f, 1.0f);
  m_sprite.SetSize(size, size);
  m_sprite.PlaceLocal(m_current.x, m_current.y);
  m_sprite.Draw();
  return true;
}

void GUI_GameBullet::DrawAll() { GUI_GamePieces::DrawAll(All); }

void GUI_GameBullet::Clear() { GUI_GamePieces::Clear(All); }
