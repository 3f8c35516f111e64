#pragma once
// The fly-by: now and then a helicopter or a hot-air balloon crosses the sky as a dark silhouette,
// with a wait of 20 to 60 seconds between crossings.
#include "CTexturedSprite.h"
#include "GTimer.h"
#include "V2.h"

class GUI_Helicopter {
 public:
  static constexpr float MIN_GAP_MS = 20000.0f;
  static constexpr float MAX_GAP_MS = 60000.0f;
  static constexpr float MARGIN = 32.0f;  // a crossing starts and ends this far off screen

  GUI_Helicopter();
  virtual ~GUI_Helicopter() = default;
  virtual void Draw();

  bool IsFlying() const { return m_flying; }
  float GetGap() const { return m_gap; }
  const V2& GetPosition() const { return m_position; }
  bool IsMovingRight() const { return m_movingRight; }
  float GetSpeed() const { return m_speed; }
  const CTexturedSprite& GetSprite() const { return m_sprite; }

 private:
  void StartFlight();

  GTimer m_gapTimer;
  bool m_flying = false;
  float m_gap = 0.0f;
  V2 m_position;
  CTexturedSprite m_sprite;
  bool m_movingRight = true;
  float m_speed = 0.3f;
};
