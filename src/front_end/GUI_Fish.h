#pragma once
// The three fish that swim across the in-game view while the player keeps a fish tank, pale (alpha
// 64) so they read as seen through water. Each leaves by one side and comes back in by the same
// side, facing the other way, rising and dipping gently as it goes.
#include <string>

#include "BaseSprite.h"
#include "V2.h"

class GUI_FishSprite {
 public:
  void Initialise(float size);
  void Draw();

  const V2& GetPosition() const { return m_position; }
  bool IsMovingRight() const { return m_movingRight; }
  float GetSpeed() const { return m_speed; }

 private:
  void TurnLeft();   // back in from the right, swimming left
  void TurnRight();  // back in from the left, swimming right

  BaseSprite m_sprite;
  float m_speed = 0.0f;
  float m_size = 0.0f;
  std::string m_textureName;
  V2 m_position;
  bool m_movingRight = false;
  float m_heading = 90.0f;
  float m_wobble = 0.0f;
};

class GUI_Fish {
 public:
  void Draw();  // only while the global flag "fish" holds
  void Initialise();
  bool IsInitialised() const { return m_initialised; }
  GUI_FishSprite& GetFish(int i) { return m_fish[i]; }

  static constexpr int COUNT = 3;

 private:
  GUI_FishSprite m_fish[COUNT];
  bool m_initialised = false;
};

GUI_Fish* GUI_GetFish();
