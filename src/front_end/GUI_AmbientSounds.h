#pragma once
// The household's sounds now and then over the in-game view (a yawn when tired, a sigh when bored,
// the dog or the cat) and birdsong under a clear sky while the day is not over.
#include "GTimer.h"

class GUI_AmbientSounds {
 public:
  GUI_AmbientSounds();  // draws both intervals and starts both timers
  void Process();       // once a frame
  void ChooseRandomInterval();
  void ChooseRandomBirdsongInterval();
  void PlayAmbientSound();
  void PlayBirdSong();

  float GetInterval() const { return m_interval; }
  float GetBirdsongInterval() const { return m_birdsongInterval; }

 private:
  GTimer m_timer;
  float m_interval = 0.0f;
  GTimer m_birdsongTimer;
  float m_birdsongInterval = 0.0f;
};

GUI_AmbientSounds* GUI_GetAmbientSounds();
