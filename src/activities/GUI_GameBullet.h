#pragma once
// One shell of the video game, climbing in a straight line from a lower corner of the play area to
// the point the crosshair marked when it was fired, shrinking as it goes. On arrival it brings down
// every plane there and leaves an explosion, big for a hit and small for a miss.
#include <list>

#include "CTexturedSprite.h"
#include "GTimer.h"
#include "V2.h"

class GUI_GameBullet {
 public:
  static constexpr float kFlightMs = 1000.0f;
  static constexpr float kSize = 15.0f;

  GUI_GameBullet(V2 target, V2 start);
  virtual ~GUI_GameBullet();
  GUI_GameBullet(const GUI_GameBullet&) = delete;
  GUI_GameBullet& operator=(const GUI_GameBullet&) = delete;

  // Moves and draws the shell; on arrival it is not drawn, settles what it hit and returns false.
  bool Draw();
  V2 GetPosition() const { return m_current; }
  V2 GetTarget() const { return m_target; }
  float GetAngle() const { return m_angle; }

  static void DrawAll();
  static void Clear();  // deletes every shell
  static std::list<GUI_GameBullet*> All;

 private:
  float m_distance;
  float m_angle;  // degrees, 0 pointing up, clockwise
  V2 m_target;
  V2 m_current;
  V2 m_start;
  CTexturedSprite m_sprite;
  GTimer m_timer;
};
