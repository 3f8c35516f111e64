#pragma once
// The flies that crawl over the in-game view when the home is dirty: from a dirt level of 0.3125
// on, one more for every further sixteenth, up to 12. A fly once made lives to the end of the
// program, so a cleaner home only draws fewer of them.
#include <list>

#include "CTexturedSprite.h"
#include "GTimer.h"
#include "V2.h"

class GUI_Insect {
 public:
  GUI_Insect();  // joins All
  virtual ~GUI_Insect();
  GUI_Insect(const GUI_Insect&) = delete;
  GUI_Insect& operator=(const GUI_Insect&) = delete;

  static void DrawAll();  // makes and draws the flies the present dirt level asks for
  void Draw();
  void ChooseNewDestination();

  // int(16 x level) - 4: below 1 no fly shows.
  static int WantedFor(float dirtLevel);

  const V2& GetPosition() const { return m_position; }
  float GetHeading() const { return m_heading; }

  static std::list<GUI_Insect*> All;
  static constexpr int MAX_INSECTS = 12;

 private:
  CTexturedSprite m_sprite;
  V2 m_position;
  V2 m_destination;
  float m_heading = 0.0f;
  int m_cell = 0;
  GTimer m_cellTimer;
};
