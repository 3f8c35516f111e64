#pragma once
// The line that joins the player's avatar to a friend's icon: out of the avatar, a step up or
// down to the friend's row, and a circle beside the icon. The stronger the friendship, the more
// opaque the line and the larger the circle; the lines leave the avatar fanned 10 pixels apart in
// the order of the friend column. Every link of the town has one, but only the player's live
// friendships draw.
#include <list>

#include "BaseSprite.h"
#include "CTexturedSprite.h"
#include "GUI_SpriteList.h"

class SIM_Relationship;

class GUI_Relationship {
 public:
  // The line of the link, kept by the link; a null link fails an assertion and makes none.
  static GUI_Relationship* Create(SIM_Relationship* link);
  // Every line, then the circles over them.
  static void DrawAll();
  virtual ~GUI_Relationship();
  GUI_Relationship(const GUI_Relationship&) = delete;
  GUI_Relationship& operator=(const GUI_Relationship&) = delete;

  virtual void Draw();
  SIM_Relationship* GetRelationship() const { return m_link; }

  static std::list<GUI_Relationship*> All;
  static GUI_SpriteList CircleSprites;

 private:
  explicit GUI_Relationship(SIM_Relationship* link);

  SIM_Relationship* m_link;  // not owned
  CTexturedSprite m_circle;
  BaseSprite m_lines[3];  // out of the avatar, the step, into the circle
  std::list<GUI_Relationship*>::iterator m_self;
};
