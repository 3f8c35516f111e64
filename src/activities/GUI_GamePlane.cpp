#include "GUI_GamePlane.h"

#include <algorithm>
#include <cmath>

#include "ExitCleanup.h"
#include "GUI_GamePieces.h"
#include "GRandom.h"
#include "GUI_VideoGame.h"

std::list<GUI_GamePlane*> GUI_GamePlane::All;

GUI_GamePlane::GUI_GamePlane(V2 start, V2 end, bool leftToRight)
    : m_scale(GRandom::RandReal(0.5f, 1.0f)),
      m_flightFactor(GRandom::RandReal(0.4f, 1.0f)),
      m_start(start),
      m_end(end),
      m_current(start),
      m_distance(std::fabs(end.x - start.x)),
      m_leftToRight(leftToRight),
      m_flightMs(kFlightMs * m_flightFactor) {
  m_sprite.SetTexture("videogame_plane.dds");
  m_sprite.SetSize(kWidth * m_scale, kWidth / 2.0f * m_scale);
  m_timer.StartTimer();
  RegisterExitCleanup(Clear);
  All.push_back(this);
}

GUI_GamePlane::~GUI_GamePlane() { All.remove(this); }

V2 GUI_GamePlane::PositionIn(float ms) const {
  const float t = std::clamp(((float)m_timer.GetElapsed() + ms) / m_flightMs, 0.0f, 1.0f);
  const float x = m_leftToRight ? m_start.x + m_distance * t : m_start.x - m_distance * t;
  return V2(x, m_start.y);
}

bool GUI_GamePlane::Update() {
  m_timer.Update();
  if (m_timer.GetElapsed() >= (double)m_flightMs) return false;
  m_current = PositionIn(0.0f);
  return true;
}

bool GUI_GamePlane::Draw() {
  if (!Update()) return false;
  const float w = GetWidth();
  const float h = w / 2.0f;
  float left = m_current.x - w / 2.0f;
  float right = m_current.x + w / 2.0f;
  // Planes slide in and out of view at the play area's sides: the part outside is cut off.
  float uLeft = 0.0f;
  float uRight = 1.0f;
  if (const GUI_VideoGame* game = GUI_VideoGame::PTheWindow) {
    const RECT& play = game->GetPlayArea();
    if (left < (float)play.left) {
      uLeft = ((float)play.left - left) / w;
      left = (float)play.left;
    }
    if (right > (float)play.right) {
      uRight = 1.0f - (right - (float)play.right) / w;
      right = (float)play.right;
    }
    if (right <= left) return true;
  }
  // The picture faces left: a plane flying right is mirrored.
  if (m_leftToRight) m_sprite.SetUV(1.0f - uLeft, 0.0f, 1.0f - uRight, 1.0f);
  else m_sprite.SetUV(uLeft, 0.0f, uRight, 1.0f);
  m_sprite.SetSize(right - left, h);
  m_sprite.PlaceLocal((left + right) / 2.0f, m_current.y);
  m_sprite.Draw();
  return true;
}

bool GUI_GamePlane::IsHit(V2 point) const {
  const float dx = point.x - m_current.x;
  const float dy = point.y - m_current.y;
  return std::sqrt(dx * dx + dy * dy) < GetWidth() / 2.0f;
}

int GUI_GamePlane::Points() const { return 20 * (int)(100.0f * (1.0f - m_scale)); }

bool GUI_GamePlane::Hit(V2 point) {
  bool any = false;
  for (auto it = All.begin(); it != All.end();) {
    GUI_GamePlane* plane = *it;
    if (!plane->IsHit(point)) {
      ++it;
      continue;
    }
    any = true;
    if (GUI_VideoGame::PTheWindow) GUI_VideoGame::PTheWindow->ScorePoints(plane->Points());
    it = All.erase(it);
    delete plane;
  }
  return any;
}

void GUI_GamePlane::DrawAll() { GUI_GamePieces::DrawAll(All); }

void GUI_GamePlane::Clear() { GUI_GamePieces::Clear(All); }
