#pragma once
// The flies over a dirty player: up to four buzz about in a band above the avatar's head while the
// game is in the in-game mode. Drawn by the avatar right after its layers. The cleanliness is read
// once every 31 draws, not every frame.
#include "CTexturedSprite.h"
#include "V2.h"

class GUI_SmellyFly : public CTexturedSprite {
 public:
  GUI_SmellyFly();
  // A new point in the band 248 to 272 pixels above the avatar's centre, 128 pixels wide.
  void PickDestination();
  // One step toward the destination, facing its way; a new destination once there.
  void Draw() override;
  V2 GetPosition() const { return m_position; }

 private:
  V2 m_position;
  V2 m_destination;
};

class GUI_Smell {
 public:
  static constexpr int FLY_COUNT = 4;
  static constexpr int READ_EVERY = 30;  // the value is read when the counter passes this

  void Initialise() {}
  void Draw();
  float GetSmell() const { return m_smell; }
  // How many flies a smell value shows: none below 0.5, then one per eighth up to four.
  static int FliesFor(float smell);

 private:
  float m_smell = 0.0f;
  GUI_SmellyFly m_flies[FLY_COUNT];
  int m_frameCounter = 0;
};

// The overlay, built on the first call.
GUI_Smell* GUI_GetSmell();
