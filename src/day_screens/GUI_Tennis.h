#pragma once
// A bare tennis court: the court, two rackets and a ball, the player's racket following the mouse.
// No rules, no score, no effect on the player; the page only shows the rackets and the ball moving
// and closes on its button. No hook key opens it: code that wants it calls SIM_HookTennis.
#include "CTexturedSprite.h"
#include "GUI_WindowBase.h"
#include "SmartTexture.h"

class GUI_IconButton;

class GUI_TennisPlayer : public GUI_WindowBase {
 public:
  enum TYPE { TYPE_PLAYER = 0, TYPE_OPPONENT = 1 };

  explicit GUI_TennisPlayer(TYPE type);
  void Draw() override;

  using GUI_WindowBase::SetPosition;  // the window's rectangle; this one is the racket's centre
  void SetPosition(float x, float y) {
    m_x = x;
    m_y = y;
  }
  float GetX() const { return m_x; }
  float GetY() const { return m_y; }
  TYPE GetType() const { return m_type; }

 private:
  CTexturedSprite m_sprite;
  float m_x = 0.0f;
  float m_y = 0.0f;
  TYPE m_type;
};

// Falls straight down at a constant speed, never stopped, bounced or served again.
class GUI_TennisBall : public GUI_WindowBase {
 public:
  GUI_TennisBall();
  void Draw() override;

  float GetX() const { return m_x; }
  float GetY() const { return m_y; }

 private:
  float m_x = 566.0f;
  float m_y = 333.0f;
  CTexturedSprite m_sprite;
  float m_speedX = 0.0f;
  float m_speedY = 0.2f;  // pixels per unit of render throttle
};

class GUI_Tennis : public GUI_WindowBase {
 public:
  static void Create();  // replaces an open page
  static void Close(int = 0);

  ~GUI_Tennis() override;
  void Draw() override;
  void ProcessInput() override;  // the player's racket follows the mouse

  GUI_TennisPlayer* GetPlayer() const { return m_player; }
  GUI_TennisBall* GetBall() const { return m_ball; }

  static GUI_Tennis* PTheWindow;

 private:
  GUI_Tennis();

  SmartTexture m_court;
  CTexturedSprite m_strip;
  GUI_IconButton* m_close = nullptr;       // in the button list
  GUI_TennisPlayer* m_player = nullptr;    // children
  GUI_TennisPlayer* m_opponent = nullptr;
  GUI_TennisBall* m_ball = nullptr;
};

void SIM_HookTennis();
