#pragma once
// The video game of an evening at home: planes cross a sky, the player aims a crosshair with the
// mouse and each click fires two shells from the lower corners at it. Thirty seconds from the
// first click the game ends; the score sets a skill that takes boredom and stress down and earns a
// little renown. Until then the window cannot be left (no close button, keys ignored); closing it
// afterwards uses up the evening. Opened by the hook "videogame".
//
//   SIM_HookVideoGame();                        // the window, in its intro
//   game->CheckClick(x, y);                     // in the sky: starts, then fires
//   game->Draw();                               // every frame: the game moves on with the clock
#include <string>

#include "CTexturedSprite.h"
#include "GTimer.h"
#include "GUI_Dialog.h"
#include "V2.h"

class GUI_VideoGame : public GUI_Dialog {
 public:
  enum STATE { STATE_INTRO = 0, STATE_PLAYING = 1, STATE_FINISHED = 2 };
  static constexpr int kMaxAmmo = 8;
  static constexpr int kMaxPlanes = 8;
  static constexpr double kRefillMs = 240.0;
  static constexpr double kSpawnMs = 1400.0;
  static constexpr double kGameMs = 30000.0;
  static constexpr float kFullSkillScore = 20000.0f;
  static constexpr float kWidth = 700.0f;
  static constexpr float kHeight = 500.0f;

  static void Create();  // replaces an open game
  static void Close();

  GUI_VideoGame();
  ~GUI_VideoGame() override;

  void UpdateClientArea() override;  // the play area follows the client area
  virtual void Process();
  bool CheckClick(float x, float y) override;
  void HandleKey(unsigned key) override;  // the game holds the keys only to ignore them
  void Draw() override;

  void EndGame();
  void FireGun();
  void UpdatePlanes();
  // Shells still in the air when the time is up burst but score nothing: the score stays the one
  // the skill was worked out from.
  void ScorePoints(int points) {
    if (m_state == STATE_PLAYING) m_score += points;
  }

  STATE GetState() const { return m_state; }
  int GetAmmo() const { return m_ammo; }
  int GetScore() const { return m_score; }
  const RECT& GetPlayArea() const { return m_playArea; }
  V2 GetCrosshair() const { return m_crosshair; }
  bool IsInPlayArea(float x, float y) const;
  double GetGameElapsed() const { return m_gameTimer.GetElapsed(); }
  float GetSkill() const { return m_skill; }
  float GetRelaxation() const { return m_relaxation; }
  float GetExcitement() const { return m_excitement; }
  const std::string& GetSkillLine() const { return m_skillLine; }
  const std::string& GetExcitementLine() const { return m_excitementLine; }
  const std::string& GetRelaxationLine() const { return m_relaxationLine; }
  // The score as the player reads it, thousands separated: "12,340".
  static std::string FormatScore(int score);

  static GUI_VideoGame* PTheWindow;

 private:
  void DrawIntro();
  void DrawPlaying();
  void DrawFinished();
  void DrawScore();
  void DrawAmmo();
  void DrawTextBacking(float top, float bottom);
  void ShowPointer();

  STATE m_state = STATE_INTRO;
  int m_ammo = 1;
  int m_score = 0;
  RECT m_playArea{};
  GTimer m_ammoTimer;
  GTimer m_spawnTimer;
  GTimer m_gameTimer;
  CTexturedSprite m_sky;
  CTexturedSprite m_crosshairSprite;
  CTexturedSprite m_ammoSprite;
  V2 m_crosshair;
  std::string m_scoreText;
  std::string m_instructionsText;
  std::string m_finishedText;
  std::string m_skillLine;
  std::string m_excitementLine;
  std::string m_relaxationLine;
  float m_skill = 0.0f;
  float m_relaxation = 0.0f;
  float m_excitement = 0.0f;
};
