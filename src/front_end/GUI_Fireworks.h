#pragma once
// The firework display over the end-of-game screen: a burst at a random point of the screen every
// fraction of a second, each with its bang, now and then a second one.
#include <cstdint>

class GUI_Fireworks {
 public:
  static constexpr float MAX_GAP_MS = 250.0f;
  static constexpr float EXTRA_SOUND_CHANCE = 0.16f;

  void FireworkDisplay();  // display on, and the first firework at once
  void Draw();             // each frame of the screen
  void Process();
  void AddFirework();
  void PlaySound();
  void StopDisplay();      // display off, every live effect gone
  bool IsOn() const { return m_on; }

 private:
  bool m_on = false;
  uint32_t m_lastLaunch = 0;
  float m_gap = 0.0f;
};

// The one display, made on first use and kept until the process ends.
GUI_Fireworks* GetFireworks();
