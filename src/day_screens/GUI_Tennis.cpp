#include "GUI_Tennis.h"

#include <algorithm>

#include "CInput.h"
#include "D3DEngine.h"
#include "GUI_GUI.h"
#include "GUI_IconButton.h"
#include "GUI_MenuBase.h"

namespace {
constexpr float kRacketSize = 80.0f;
constexpr float kBallSize = 64.0f;
}  // namespace

GUI_Tennis* GUI_Tennis::PTheWindow = nullptr;

void SIM_HookTennis() { GUI_Tennis::Create(); }

GUI_TennisPlayer::GUI_TennisPlayer(TYPE type) : m_type(type) {
  m_sprite.SetTexture("tennis_racket.jpg");
  m_sprite.SetSize(kRacketSize, kRacketSize);
  if (type == TYPE_PLAYER) {
    SetPosition(655.0f, 519.0f);
  } else {
    SetPosition(400.0f, 97.0f);
  }
}

void GUI_TennisPlayer::Draw() {
  m_sprite.PlaceLocal(m_x, m_y);
  m_sprite.Draw();
}

GUI_TennisBall::GUI_TennisBall() {
  m_sprite.SetTexture("tennis_ball.jpg");
  m_sprite.SetSize(kBallSize, kBallSize);
}

void GUI_TennisBall::Draw() {
  const float throttle = GUI_GetGUI()->GetRenderThrottle();
  m_x += m_speedX * throttle;
  m_y += m_speedY * throttle;
  m_sprite.PlaceLocal(m_x, m_y);
  m_sprite.Draw();
}

void GUI_Tennis::Create() {
  Close();
  new GUI_Tennis();  // the window manager owns it
}

void GUI_Tennis::Close(int) {
  delete PTheWindow;
  PTheWindow = nullptr;
}

GUI_Tennis::GUI_Tennis() {
  PTheWindow = this;
  MakeFullScreenWindow();
  const float W = D3DEngine::W;
  GUI_MenuBase::SizeStrip(m_strip);
  m_close = new GUI_IconButton("bigbuttons.dds", Close, 0);
  m_close->SetHighlightTexture("bigbuttons.dds");
  m_close->SetCells(16, 6, 7);
  m_close->SetPosition(W - 78.0f, 701.0f, W - 10.0f, 769.0f);
  AddButton(m_close);
  m_court.SetTexture("tennis.jpg");
  m_player = new GUI_TennisPlayer(GUI_TennisPlayer::TYPE_PLAYER);
  AddChild(m_player);
  m_opponent = new GUI_TennisPlayer(GUI_TennisPlayer::TYPE_OPPONENT);
  AddChild(m_opponent);
  m_ball = new GUI_TennisBall();
  AddChild(m_ball);
}

GUI_Tennis::~GUI_Tennis() {
  if (PTheWindow == this) PTheWindow = nullptr;
}

void GUI_Tennis::ProcessInput() {
  CInput* input = GetInput();
  m_player->SetPosition(std::clamp(input->mouseX, 78.0f, 930.0f), std::clamp(input->mouseY, 220.0f, 600.0f));
  GUI_WindowBase::ProcessInput();
}

void GUI_Tennis::Draw() {
  GetD3DEngine()->FillScreen(&m_court, 1.0f, 0.75f);
  DrawChildren();
  m_strip.Draw();
  DrawButtons();
}
