#include "HeadlessVideoGame.h"

#include <cstdint>

#include "CInput.h"
#include "D3DEngine.h"
#include "GDebug.h"
#include "GRandom.h"
#include "HeadlessClock.h"
#include "GUI_CloseButton.h"
#include "GUI_GameBullet.h"
#include "GUI_GamePlane.h"
#include "GUI_VideoGame.h"

int HeadlessVideoGame::Played = 0;
int HeadlessVideoGame::BestScore = 0;

namespace {

constexpr uint32_t kFrameMs = 33;
// Past the intro's reading and the game's 30 s, something is wrong.
constexpr int kMaxFrames = 2000;
// Reading the instructions, in frames.
constexpr float kReadMin = 30.0f;
constexpr float kReadMax = 120.0f;
// A volley now and then rather than every frame the guns allow.
constexpr float kFireChance = 0.35f;
// How far off a shot may be, in plane widths.
constexpr float kAimError = 0.6f;

// One frame: the clock moves on, the game moves and draws.
void Frame(GUI_VideoGame* game) {
  HeadlessClock::Step(kFrameMs);
  game->Draw();
  D3DEngine::GetRecorder().EndFrame();
}

// The plane the player goes for: the first one that will still be in reach of the crosshair when
// a shell gets there. False when none will.
bool PickTarget(const GUI_VideoGame* game, V2* aim) {
  const RECT& play = game->GetPlayArea();
  for (const GUI_GamePlane* plane : GUI_GamePlane::All) {
    const float lead = GUI_GameBullet::kFlightMs + (float)kFrameMs;
    if (plane->GetElapsedMs() + (double)lead >= (double)plane->GetFlightMs()) continue;
    const V2 there = plane->PositionIn(lead);
    if (there.x < (float)play.left + 40.0f || there.x > (float)play.right - 40.0f) continue;
    const float error = plane->GetWidth() * kAimError;
    aim->x = there.x + GRandom::RandReal(-error, error);
    aim->y = there.y + GRandom::RandReal(-error, error) / 2.0f;
    return true;
  }
  return false;
}

}  // namespace

bool HeadlessVideoGame::Play() {
  GUI_VideoGame* game = GUI_VideoGame::PTheWindow;
  if (!game) {
    HeadlessClock::Release();
    return false;
  }
  // Normally held since before the game opened; if not, from now.
  HeadlessClock::Hold();
  CInput* input = GetInput();
  const RECT& play = game->GetPlayArea();
  const V2 centre((float)(play.left + play.right) / 2.0f, (float)(play.top + play.bottom) / 2.0f);
  const int reading = (int)GRandom::RandReal(kReadMin, kReadMax);
  for (int i = 0; i < reading; ++i) Frame(game);
  input->mouseX = centre.x;
  input->mouseY = centre.y;
  game->CheckClick(centre.x, centre.y);
  int frames = 0;
  while (game->GetState() == GUI_VideoGame::STATE_PLAYING && frames++ < kMaxFrames) {
    V2 aim;
    const bool shoot = game->GetAmmo() > 0 && GRandom::IsChance(kFireChance) && PickTarget(game, &aim);
    if (shoot) {
      input->mouseX = aim.x;
      input->mouseY = aim.y;
    }
    Frame(game);  // the crosshair follows the mouse
    if (shoot && game->GetState() == GUI_VideoGame::STATE_PLAYING) game->CheckClick(input->mouseX, input->mouseY);
  }
  if (game->GetState() != GUI_VideoGame::STATE_FINISHED) GError("The video game never finished", __FILE__, __LINE__);
  // The result read for a second or two, then the window's close button.
  for (int i = 0; i < 45; ++i) Frame(game);
  ++Played;
  if (game->GetScore() > BestScore) BestScore = game->GetScore();
  GUI_CloseButton* close = game->GetCloseButton();
  if (close && close->IsEnabled()) close->Click();
  else GUI_VideoGame::Close();
  HeadlessClock::Release();
  return true;
}
