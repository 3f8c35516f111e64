#pragma once
// The publisher's splash: a logo that fades in and out before the loading screen, shown only when
// the data folder holds "data/logo.txt" (section "setup": width, height, image).
#include "CTexturedSprite.h"
#include "GTimer.h"

class PublisherLogo : public CTexturedSprite {
 public:
  static constexpr float DURATION = 4000.0f;  // milliseconds, fades included
  static constexpr float FADETIME = 500.0f;

  // Shows the splash when "data/logo.txt" exists and returns when it is over. No events are
  // handled meanwhile.
  void Run();
  // The timed drawing loop.
  void DrawLogo();
  // The logo's opacity t milliseconds into the splash, 0..1.
  static float AlphaAt(float t);

 private:
  GTimer m_timer;
};

PublisherLogo* GetPublisherLogo();
