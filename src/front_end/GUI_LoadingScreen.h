#pragma once
// The loading screen: not a game mode but one whole frame drawn on demand by long operations
// (start-up, a new game, loading a game) to show their progress, outside the frame loop.
#include "BaseSprite.h"
#include "CTexturedSprite.h"
#include "Win32Types.h"

class GUI_LoadingScreen : public BaseSprite {
 public:
  static constexpr float BARWIDTH = 600.0f;

  GUI_LoadingScreen();
  // Draws and presents one complete frame with the bar filled to progress 0..1.
  void Draw(float progress);
  void DrawBar(float progress);
  void Reset();  // after a change of screen size
  const RECT& GetBar() const { return m_bar; }

 private:
  // The quad alone, without the bar, the scene and the flip, is no use to callers.
  using BaseSprite::Draw;

  CTexturedSprite m_leftCap;
  CTexturedSprite m_middle;
  CTexturedSprite m_rightCap;
  RECT m_bar;
};

// The one object, made on the first call and never freed.
GUI_LoadingScreen* GUI_GetLoadingScreen();
