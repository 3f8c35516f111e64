#include "GUI_VideoGame.h"

#include <algorithm>

#include "ActivityHooks.h"
#include "CInput.h"
#include "D3DEngine.h"
#include "GDebug.h"
#include "GRandom.h"
#include "GTranslation.h"
#include "GUI_ButtonBase.h"
#include "GUI_ChangeNotifier.h"
#include "GUI_CloseButton.h"
#include "GUI_Colours.h"
#include "GUI_Cursor.h"
#include "GUI_GUI.h"
#include "GUI_GameBullet.h"
#include "GUI_GameExplosion.h"
#include "GUI_GamePlane.h"
#include "GUI_Sounds.h"
#include "LibTextEngine.h"
#include "SIM_GlobalVariable.h"
#include "SIM_SIM.h"
#include "SIM_Vede.h"
#include "SIM_Vorla.h"
#include "SystemPointer.h"

GUI_VideoGame* GUI_VideoGame::PTheWindow = nullptr;

namespace {
constexpr const char* kMusic = "data/sounds/videogame_planes.ogg";
constexpr const char* kShellSound = "data/sounds/videogame_shell.ogg";
constexpr float kInset = 10.0f;
constexpr float kCrosshairSize = 54.0f;
constexpr float kAmmoSize = 24.0f;
constexpr uint32_t kWhite = 0xFFFFFFFFu;
// A dark veil under the texts, so that they read over the clouds and the planes.
constexpr uint32_t kTextBacking = SpriteColor(10, 20, 50, 150);
// Where the planes may fly and the crosshair may go, inside the play area.
constexpr float kPlaneTopMargin = 64.0f;
constexpr float kPlaneBottomMargin = 200.0f;
constexpr float kPlaneOutside = 64.0f;
constexpr float kCrosshairMargin = 32.0f;
constexpr float kCrosshairBottomMargin = 120.0f;
}  // namespace

void SIM_HookVideoGame() { GUI_VideoGame::Create(); }

void GUI_VideoGame::Create() {
  Close();
  new GUI_VideoGame();
}

void GUI_VideoGame::Close() {
  GUI_VideoGame* game = PTheWindow;
  PTheWindow = nullptr;
  delete game;
}

std::string GUI_VideoGame::FormatScore(int score) {
  std::string digits = std::to_string(score < 0 ? -score : score);
  std::string out;
  for (size_t i = 0; i < digits.size(); ++i) {
    if (i > 0 && (digits.size() - i) % 3 == 0) out += ',';
    out += digits[i];
  }
  return score < 0 ? "-" + out : out;
}

GUI_VideoGame::GUI_VideoGame() : GUI_Dialog(true) {
  PTheWindow = this;
  // A game never starts with the planes, shells and bursts of the last one.
  GUI_GamePlane::Clear();
  GUI_GameBullet::Clear();
  GUI_GameExplosion::Clear();
  SetSize(kWidth, kHeight);
  PlaceCentral();
  SetDrawClientArea(false);
  UpdateClientArea();
  m_sky.SetTexture("videogame_sky.jpg");
  m_crosshairSprite.SetTexture("videogame_crosshair.dds");
  m_crosshairSprite.SetSize(kCrosshairSize, kCrosshairSize);
  m_crosshair = V2(GetCenterX(), GetCenterY());
  m_score = 0;
  SetTitle(GTranslation::GetString("VIDEOGAME_TITLE"));
  m_scoreText = GTranslation::GetString("VIDEOGAME_SCORE");
  m_instructionsText = GTranslation::GetString("VIDEOGAME_INSTRUCTIONS");
  m_finishedText = GTranslation::GetString("VIDEOGAME_FINISHED");
  SetModal(true);
  m_state = STATE_INTRO;
  m_spawnTimer.StartTimer();
  m_ammo = 1;
  m_ammoTimer.StartTimer();
  m_ammoSprite.SetTexture("videogame_bullet.dds");
  m_ammoSprite.SetSize(kAmmoSize, kAmmoSize);
  if (m_closeButton) m_closeButton->SetEnabled(false);
  GUI_GetGUI()->SetInputHandler(this);
  GUI_GetSounds()->OverrideMusic(kMusic, true);
  GetDebug()->DebugOut("Video game: open");
}

GUI_VideoGame::~GUI_VideoGame() {
  // Only the closing of the window uses up the evening, however the game was started.
  SIM_GetSim()->EndDay();
  if (PTheWindow == this) PTheWindow = nullptr;
  GUI_GetGUI()->RemoveInputHandler(this);
  ShowPointer();
  GUI_GetSounds()->StopOverrideMusic();
  GUI_GamePlane::Clear();
  GUI_GameBullet::Clear();
  GUI_GameExplosion::Clear();
  GetDebug()->DebugOut(GFormat("Video game: closed with a score of %d", m_score).c_str());
  GUI_GetGUI()->EndDayGUI();
}

void GUI_VideoGame::UpdateClientArea() {
  GUI_Dialog::UpdateClientArea();
  SetRect(&m_playArea, m_clientArea.left + (int)kInset, m_clientArea.top + (int)kInset,
          m_clientArea.right - (int)kInset, m_clientArea.bottom - (int)kInset);
  const float w = (float)(m_playArea.right - m_playArea.left);
  const float h = (float)(m_playArea.bottom - m_playArea.top);
  m_sky.SetSize(w, h);
  m_sky.PlaceLocal((float)m_playArea.left + w / 2.0f, (float)m_playArea.top + h / 2.0f);
}

bool GUI_VideoGame::IsInPlayArea(float x, float y) const {
  return x > (float)m_playArea.left && x < (float)m_playArea.right && y > (float)m_playArea.top &&
         y < (float)m_playArea.bottom;
}

void GUI_VideoGame::ShowPointer() {
  GUI_GetCursor()->SetHidden(false);
  HideSystemPointer(false);
}

void GUI_VideoGame::Process() {
  UpdatePlanes();
  if (m_state != STATE_PLAYING) return;
  m_ammoTimer.Update();
  if (m_ammoTimer.GetElapsed() > kRefillMs) {
    m_ammoTimer.ForceMilliseconds((float)(m_ammoTimer.GetElapsed() - kRefillMs));
    if (m_ammo < kMaxAmmo) ++m_ammo;
  }
  CInput* input = GetInput();
  if (IsInPlayArea(input->mouseX, input->mouseY)) {
    m_crosshair.x = std::clamp(input->mouseX, (float)m_playArea.left + kCrosshairMargin,
                               (float)m_playArea.right - kCrosshairMargin);
    m_crosshair.y = std::clamp(input->mouseY, (float)m_playArea.top + kCrosshairMargin,
                               (float)m_playArea.bottom - kCrosshairBottomMargin);
    // The crosshair is the pointer over the sky.
    GUI_GetCursor()->SetHidden(true);
    HideSystemPointer(true);
  } else {
    ShowPointer();
  }
}

void GUI_VideoGame::UpdatePlanes() {
  m_spawnTimer.Update();
  // With the sky full the timer runs on, so the next plane comes as soon as one is gone.
  if (m_spawnTimer.GetElapsed() <= kSpawnMs || (int)GUI_GamePlane::All.size() >= kMaxPlanes) return;
  m_spawnTimer.StartTimer();
  const bool leftToRight = GRandom::IsChance(0.5f);
  const float y = GRandom::RandReal((float)m_playArea.top + kPlaneTopMargin, (float)m_playArea.bottom - kPlaneBottomMargin);
  const float west = (float)m_playArea.left - kPlaneOutside;
  const float east = (float)m_playArea.right + kPlaneOutside;
  if (leftToRight) new GUI_GamePlane(V2(west, y), V2(east, y), true);
  else new GUI_GamePlane(V2(east, y), V2(west, y), false);
}

bool GUI_VideoGame::CheckClick(float x, float y) {
  if (!m_visible) return false;
  if (!IsInPlayArea(x, y)) return GUI_Dialog::CheckClick(x, y);
  if (m_state == STATE_INTRO) {
    m_gameTimer.StartTimer();
    m_state = STATE_PLAYING;
    GetDebug()->DebugOut("Video game: started");
  } else if (m_state == STATE_PLAYING) {
    FireGun();
  }
  return true;
}

void GUI_VideoGame::HandleKey(unsigned) {}

void GUI_VideoGame::FireGun() {
  if (m_ammo <= 0) return;
  GUI_GetSounds()->PlaySound(kShellSound, 0.2f, 0.0f, false);
  new GUI_GameBullet(m_crosshair, V2((float)m_playArea.left, (float)m_playArea.bottom));
  new GUI_GameBullet(m_crosshair, V2((float)m_playArea.right, (float)m_playArea.bottom));
  --m_ammo;
}

void GUI_VideoGame::EndGame() {
  m_state = STATE_FINISHED;
  if (m_closeButton) m_closeButton->SetEnabled(true);
  GUI_GetGUI()->RemoveInputHandler(this);
  ShowPointer();
  GUI_ChangeNotifier::CloseAll();
  m_skill = std::clamp((float)m_score / kFullSkillScore, 0.0f, 1.0f);
  m_excitement = -0.25f * m_skill;
  m_relaxation = -0.25f * m_skill;
  SIM_GlobalVariable* globals = SIM_GetGlobalVariables();
  SIM_Vede* vede = SIM_GetVede();
  vede->ApplyEffect("boredom", m_excitement, globals->Get("_BOREDOM_DEGRADE"), "video game");
  vede->ApplyEffect("stress", m_relaxation, globals->Get("_STRESS_DEGRADE"), "video game");
  m_skillLine = GFormat("%s %.2f%%", GTranslation::GetString("VIDEOGAME_SKILL"), 100.0 * (double)m_skill);
  m_relaxationLine =
      GFormat("%s %.2f", GTranslation::GetString("VIDEOGAME_RELAXATION"), -100.0 * (double)m_relaxation);
  m_excitementLine =
      GFormat("%s %.2f", GTranslation::GetString("VIDEOGAME_EXCITEMENT"), -100.0 * (double)m_excitement);
  SIM_GetVorla()->AddEarnedVorla(m_skill * globals->Get("VORLA_VIDEOGAME"));
  GetDebug()->DebugOut(GFormat("Video game: finished, score %d, skill %.2f", m_score, (double)m_skill).c_str());
}

void GUI_VideoGame::Draw() {
  Process();
  GUI_Dialog::Draw();
  m_sky.Draw();
  GetD3DEngine()->FrameRect(&m_playArea, kBlack);
  switch (m_state) {
    case STATE_INTRO: DrawIntro(); break;
    case STATE_PLAYING: DrawPlaying(); break;
    case STATE_FINISHED: DrawFinished(); break;
  }
  GetTextEngine()->ProcessTextQueue(-1);
}

void GUI_VideoGame::DrawTextBacking(float top, float bottom) {
  RECT back;
  SetRect(&back, m_playArea.left + 28, (int)top - 10, m_playArea.right - 28, (int)bottom + 10);
  GetD3DEngine()->FillRect(&back, kTextBacking);
}

void GUI_VideoGame::DrawIntro() {
  LibTextEngine* text = GetTextEngine();
  text->SetCurrentFont("calibriblackbold24.dds", 24.0f);
  const float wrap = (float)(m_playArea.right - m_playArea.left) - 80.0f;
  const float top = (float)m_playArea.top + 30.0f;
  DrawTextBacking(top, top + text->GetWrappedHeight(m_instructionsText.c_str(), wrap));
  text->AddWrappedString(m_instructionsText, (float)m_playArea.left + 40.0f, top, wrap, kWhite);
}

void GUI_VideoGame::DrawPlaying() {
  GUI_GameExplosion::DrawAll();
  GUI_GameBullet::DrawAll();
  GUI_GamePlane::DrawAll();
  m_crosshairSprite.PlaceLocal(m_crosshair.x, m_crosshair.y);
  m_crosshairSprite.Draw();
  DrawAmmo();
  DrawScore();
  m_gameTimer.Update();
  if (m_gameTimer.GetElapsed() > kGameMs) EndGame();
}

void GUI_VideoGame::DrawAmmo() {
  float x = (float)m_playArea.right - 32.0f;
  for (int i = 0; i < m_ammo; ++i, x -= 16.0f) {
    m_ammoSprite.PlaceLocal(x, (float)m_playArea.top + 24.0f);
    m_ammoSprite.Draw();
  }
}

void GUI_VideoGame::DrawScore() {
  LibTextEngine* text = GetTextEngine();
  text->SetCurrentFont("calibriblackbold30.dds", 30.0f);
  text->AddQueueString(GFormat("%s %s", m_scoreText.c_str(), FormatScore(m_score).c_str()), (float)m_playArea.left,
                       (float)m_playArea.top + 4.0f, kWhite, (float)(m_playArea.right - m_playArea.left),
                       LibTextEngine::ALIGN_CENTER);
}

void GUI_VideoGame::DrawFinished() {
  GUI_GameExplosion::DrawAll();
  GUI_GameBullet::DrawAll();
  GUI_GamePlane::DrawAll();
  DrawScore();
  LibTextEngine* text = GetTextEngine();
  const float left = (float)m_playArea.left;
  const float wide = (float)(m_playArea.right - m_playArea.left);
  text->SetCurrentFont("calibriblackbold24.dds", 24.0f);
  // Below the score line, which sits at the top of the sky.
  const float top = (float)m_playArea.top + 50.0f;
  const float linesTop = top + text->GetWrappedHeight(m_finishedText.c_str(), wide - 80.0f) + 40.0f;
  DrawTextBacking(top, linesTop + 3.0f * 25.0f);
  float y = text->AddWrappedString(m_finishedText, left + 40.0f, top, wide - 80.0f, kWhite);
  y += 40.0f;
  for (const std::string* line : {&m_skillLine, &m_excitementLine, &m_relaxationLine}) {
    text->AddQueueString(*line, left, y, kWhite, wide, LibTextEngine::ALIGN_CENTER);
    y += 25.0f;
  }
}
