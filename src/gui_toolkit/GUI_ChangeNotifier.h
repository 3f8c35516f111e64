#pragma once
// The "+N"/"-N" marker that every named value owns. A change starts it beside the value's row in
// percentage points (changes add up while it shows), green when the change is good for the player
// and red otherwise; it fades in over half a second and stays until CloseAll.
//
// The rows draw the markers every frame: Draw queues the sprite on the green or red list and
// DrawText queues the number; FinishDrawAll then draws all green sprites in one run and all red
// ones in another, and the caller's text flush puts the numbers on top.
#include <list>

#include "CTexturedSprite.h"
#include "GTimer.h"
#include "GUI_SpriteList.h"
#include "Win32Types.h"

class GUI_ChangeNotifier {
 public:
  static constexpr float FADETIME = 500.0f;  // milliseconds of the fade-in
  // A change smaller than this (in 0..1 units) is no change: clipping leaves such crumbs.
  static constexpr float kNoChange = 0.0001f;

  GUI_ChangeNotifier();
  virtual ~GUI_ChangeNotifier();
  GUI_ChangeNotifier(const GUI_ChangeNotifier&) = delete;
  GUI_ChangeNotifier& operator=(const GUI_ChangeNotifier&) = delete;

  // Shows the change actually applied to a 0..1 value at the row point (x, y). A change of zero
  // starts nothing and leaves a showing marker as it is; changes that cancel out put it away.
  void Initialise(float delta, float x, float y, bool highIsGood);
  void SetPosition(float x, float y);  // rect = (x - 45, y - 12, x, y + 12)
  void Draw();
  void DrawText();
  bool IsActive() const { return m_active; }
  float GetAmount() const { return m_amount; }  // percentage points
  bool IsGreen() const { return m_green; }
  const RECT& GetRect() const { return m_rect; }
  const char* GetText() const { return m_text; }
  int GetAlpha() const { return m_alpha; }

  // Whole points of an amount in points, truncated toward zero as the player reads them; the small
  // allowance keeps float error from turning 0.29 (28.999998 points) into "28".
  static int WholePoints(float points);

  static void CloseAll();
  static void FinishDrawAll();
  static std::list<GUI_ChangeNotifier*> All;
  static GUI_SpriteList GreenSpriteList;
  static GUI_SpriteList RedSpriteList;

 private:
  GTimer m_timer;
  char m_text[32] = {0};
  RECT m_rect;
  bool m_green = true;
  float m_amount = 0.0f;
  bool m_active = false;
  CTexturedSprite m_sprite;
  int m_fadeState = 0;  // 0 fading in, 1 shown
  int m_alpha = 0;
};
