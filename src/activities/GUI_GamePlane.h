#pragma once
// One plane of the video game crossing the sky at a steady height. Smaller planes fly the same
// course but are worth more. Every plane enters All when made; GUI_GamePlane::DrawAll drops those
// whose flight is over and Hit those a shell brings down.
#include <list>

#include "CTexturedSprite.h"
#include "GTimer.h"
#include "V2.h"

class GUI_GamePlane {
 public:
  static constexpr float kWidth = 64.0f;  // at scale 1; half as high
  static constexpr float kFlightMs = 10000.0f;  // at flight-time factor 1

  GUI_GamePlane(V2 start, V2 end, bool leftToRight);
  virtual ~GUI_GamePlane();
  GUI_GamePlane(const GUI_GamePlane&) = delete;
  GUI_GamePlane& operator=(const GUI_GamePlane&) = delete;

  // Moves the plane to where its flight has got to and draws it; false once the flight is over.
  bool Draw();
  // Moves the plane without drawing it; false once the flight is over.
  bool Update();
  // The point lies within half the plane's width of its centre.
  bool IsHit(V2 point) const;
  // What bringing this plane down scores: 0 at scale 1 up to 1000 for the smallest.
  int Points() const;
  V2 GetPosition() const { return m_current; }
  V2 GetEnd() const { return m_end; }
  float GetScale() const { return m_scale; }
  float GetWidth() const { return kWidth * m_scale; }
  bool IsLeftToRight() const { return m_leftToRight; }
  float GetFlightMs() const { return m_flightMs; }
  double GetElapsedMs() const { return m_timer.GetElapsed(); }
  // Where the plane will be that many milliseconds from now (past its end it is gone).
  V2 PositionIn(float ms) const;

  // Every plane at the point leaves play, each scoring for an open game; true when any was hit.
  static bool Hit(V2 point);
  static void DrawAll();
  static void Clear();  // deletes every plane
  static std::list<GUI_GamePlane*> All;

 private:
  float m_scale;
  float m_flightFactor;
  CTexturedSprite m_sprite;
  V2 m_start;
  V2 m_end;
  V2 m_current;
  float m_distance;
  bool m_leftToRight;
  GTimer m_timer;
  float m_flightMs;
};
