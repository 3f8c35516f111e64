#pragma once
// A burst where a shell arrived: a big one with a bang over a plane it brought down, a small
// silent puff for a miss. It plays the sixteen frames of its sheet over a second and is gone.
#include <list>

#include "CTexturedSprite.h"
#include "GTimer.h"
#include "V2.h"

class GUI_GameExplosion {
 public:
  static constexpr float kLifeMs = 1000.0f;
  static constexpr float kHitSize = 68.0f;
  static constexpr float kMissSize = 32.0f;
  static constexpr int kFrames = 16;  // a 4 x 4 sheet

  GUI_GameExplosion(V2 point, bool miss);
  virtual ~GUI_GameExplosion();
  GUI_GameExplosion(const GUI_GameExplosion&) = delete;
  GUI_GameExplosion& operator=(const GUI_GameExplosion&) = delete;

  bool Draw();  // false once the last frame has shown
  bool IsMiss() const { return m_miss; }
  V2 GetPosition() const { return m_point; }

  static void DrawAll();
  static void Clear();  // deletes every explosion
  static std::list<GUI_GameExplosion*> All;

 private:
  V2 m_point;
  bool m_miss;
  CTexturedSprite m_sprite;
  GTimer m_timer;
};
