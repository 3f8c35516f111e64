#pragma once
// The player's avatar. Stand-in until the front end arrives: it keeps the mood the player
// character sets and draws nothing.
#include "V2.h"

enum MOOD { MOOD_NEUTRAL = 0, MOOD_HAPPY = 1, MOOD_SAD = 2 };

class GUI_Avatar {
 public:
  void SetMood(MOOD mood);
  MOOD GetMood() const { return m_mood; }
  // Stand-ins, logged once and recorded (SIM_StandInLog); the work-clothes flag is kept.
  void SetOverriden(bool on);
  bool IsOverriden() const { return m_overriden; }
  void ComputeAdjustedWidth();
  // Draws the avatar centred at the point, its own place unchanged (the attribute graph). Stand-in.
  void DrawAt(V2 centre);
  // Stand-ins: the in-game view's drawing, the layout after a change of screen size, and what a
  // new or loaded game does with the layers and the user avatar file.
  void Draw();
  void Reset();
  void RefreshOverridenLayers();
  void SaveUserAvatar();
  // Where the avatar stands: right of centre, halfway down the screen. The friend column and the
  // relationship lines are laid out round it.
  V2 GetCenter() const;

 private:
  MOOD m_mood = MOOD_NEUTRAL;
  bool m_overriden = false;
};

GUI_Avatar* GUI_GetAvatar();
