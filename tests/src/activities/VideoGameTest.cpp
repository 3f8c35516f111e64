// The video game headless, on a clock moved by hand: the intro, the rounds and planes that come
// with time, firing and what shells bring down, the end after 30 s with its effects and lines, the
// window that cannot be left before the end, the pointer over the sky, a new game that starts
// empty, and the evening slot the game uses. Runs in a real new game.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "ActivityHooks.h"
#include "CInput.h"
#include "GTimer.h"
#include "GUI_CloseButton.h"
#include "GUI_Cursor.h"
#include "GUI_GUI.h"
#include "GUI_GameBullet.h"
#include "GUI_GameExplosion.h"
#include "GUI_GamePlane.h"
#include "GUI_VideoGame.h"
#include "GUI_WindowManager.h"
#include "HeadlessPlayer.h"
#include "HeadlessClock.h"
#include "HeadlessVideoGame.h"
#include "SIM_Attribute.h"
#include "SIM_SIM.h"
#include "SIM_SoloActivityInstance.h"
#include "SIM_SoloActivityType.h"
#include "SIM_Statistics.h"
#include "SIM_Vede.h"
#include "SystemPointer.h"

namespace {

uint32_t g_gameNow = 5000;
uint32_t Now() { return g_gameNow; }
constexpr unsigned kEscape = 53;

class VideoGame : public ::testing::Test {
 protected:
  void SetUp() override {
    HeadlessPlayer::StartNewGame(5);
    SIM_GetSim()->SetMode(SIM_SIM::TURNMODE_EVENING);
    SIM_GetSim()->SetSlots(2, 0);
    GTimer::SetClock(&Now);
  }
  void TearDown() override {
    GUI_VideoGame::Close();
    GTimer::SetClock(nullptr);
  }
  static GUI_VideoGame* Open() {
    SIM_HookVideoGame();
    return GUI_VideoGame::PTheWindow;
  }
  // Frames of 33 ms for that long.
  static void Run(GUI_VideoGame* game, int ms) {
    for (int t = 0; t < ms; t += 33) {
      g_gameNow += 33;
      game->Draw();
    }
  }
  static bool ClickAt(float x, float y) {
    GetInput()->mouseX = x;
    GetInput()->mouseY = y;
    return GUI_GetWindowManager()->CheckClick();
  }
  static V2 Centre(const GUI_VideoGame* game) {
    const RECT& play = game->GetPlayArea();
    return V2((float)(play.left + play.right) / 2.0f, (float)(play.top + play.bottom) / 2.0f);
  }
  static GUI_VideoGame* Started() {
    GUI_VideoGame* game = Open();
    const V2 c = Centre(game);
    ClickAt(c.x, c.y);
    return game;
  }
  static const SIM_Effect* Effect(const char* attribute) {
    for (const SIM_Effect* effect : SIM_Attribute::GetAttribute(attribute)->GetEffects())
      if (effect->GetDebugName() == "video game") return effect;
    return nullptr;
  }
};

TEST_F(VideoGame, TheIntroSpawnsPlanesAndTheFirstClickInTheSkyStartsTheClock) {
  GUI_VideoGame* game = Open();
  ASSERT_NE(game, nullptr);
  EXPECT_EQ(game->GetState(), GUI_VideoGame::STATE_INTRO);
  EXPECT_FALSE(game->GetCloseButton()->IsEnabled());
  EXPECT_EQ(game->GetAmmo(), 1);
  const RECT& play = game->GetPlayArea();
  EXPECT_EQ(play.right - play.left, 700 - 20 - 20);
  // One plane every 1400 ms, already flying when the game starts.
  Run(game, 3000);
  EXPECT_EQ(GUI_GamePlane::All.size(), 2u);
  // A click on the frame outside the sky is not a start.
  ClickAt((float)play.left - 3.0f, (float)play.top + 50.0f);
  EXPECT_EQ(game->GetState(), GUI_VideoGame::STATE_INTRO);
  const V2 c = Centre(game);
  ClickAt(c.x, c.y);
  EXPECT_EQ(game->GetState(), GUI_VideoGame::STATE_PLAYING);
  EXPECT_EQ(GUI_GamePlane::All.size(), 2u);
  // Never more than eight in the sky, however long it runs.
  for (int i = 0; i < 40; ++i) {
    Run(game, 500);
    EXPECT_LE(GUI_GamePlane::All.size(), 8u);
  }
}

TEST_F(VideoGame, RoundsComeBackOneEvery240msUpToEightAndAnEmptyGunDoesNothing) {
  GUI_VideoGame* game = Started();
  const V2 c = Centre(game);
  ClickAt(c.x, c.y);
  EXPECT_EQ(game->GetAmmo(), 0);
  EXPECT_EQ(GUI_GameBullet::All.size(), 2u);  // one from each lower corner
  ClickAt(c.x, c.y);
  EXPECT_EQ(GUI_GameBullet::All.size(), 2u);
  Run(game, 250);  // 264 ms: one round, the remainder kept
  EXPECT_EQ(game->GetAmmo(), 1);
  Run(game, 5000);
  EXPECT_EQ(game->GetAmmo(), GUI_VideoGame::kMaxAmmo);
}

TEST_F(VideoGame, TheCrosshairFollowsTheMouseInsideItsLimitsAndHidesThePointerOverTheSky) {
  GUI_VideoGame* game = Started();
  const RECT& play = game->GetPlayArea();
  struct Case {
    float x, y, wantX, wantY;
  } cases[] = {
      {(float)play.left + 100.0f, (float)play.top + 100.0f, (float)play.left + 100.0f, (float)play.top + 100.0f},
      {(float)play.left + 2.0f, (float)play.bottom - 2.0f, (float)play.left + 32.0f, (float)play.bottom - 120.0f},
      {(float)play.right - 1.0f, (float)play.top + 1.0f, (float)play.right - 32.0f, (float)play.top + 32.0f},
  };
  for (const Case& k : cases) {
    GetInput()->mouseX = k.x;
    GetInput()->mouseY = k.y;
    Run(game, 33);
    EXPECT_FLOAT_EQ(game->GetCrosshair().x, k.wantX);
    EXPECT_FLOAT_EQ(game->GetCrosshair().y, k.wantY);
    EXPECT_TRUE(IsSystemPointerHidden());
    EXPECT_TRUE(GUI_GetCursor()->IsHidden());
  }
  // Off the sky (on the window's frame) the pointer is back and the crosshair stays.
  const V2 before = game->GetCrosshair();
  GetInput()->mouseX = (float)play.left - 4.0f;
  Run(game, 33);
  EXPECT_FALSE(IsSystemPointerHidden());
  EXPECT_FALSE(GUI_GetCursor()->IsHidden());
  EXPECT_EQ(game->GetCrosshair(), before);
  // Closing the window never leaves it hidden.
  GetInput()->mouseX = (float)play.left + 100.0f;
  Run(game, 33);
  GUI_VideoGame::Close();
  EXPECT_FALSE(IsSystemPointerHidden());
  EXPECT_FALSE(GUI_GetCursor()->IsHidden());
}

TEST_F(VideoGame, AShellWhereTwoPlanesOverlapDownsBothAndScoresForEach) {
  GUI_VideoGame* game = Started();
  GUI_GamePlane::Clear();
  const RECT& play = game->GetPlayArea();
  const float y = (float)play.top + 120.0f;
  const V2 from((float)play.left + 200.0f, y);
  const V2 to((float)play.right, y);
  auto* a = new GUI_GamePlane(from, to, true);
  auto* b = new GUI_GamePlane(from, to, true);
  auto* far = new GUI_GamePlane(V2((float)play.right, y + 80.0f), V2((float)play.left, y + 80.0f), false);
  const int points = a->Points() + b->Points();
  EXPECT_EQ(a->Points(), 20 * (int)(100.0f * (1.0f - a->GetScale())));
  GUI_GamePlane::DrawAll();
  const V2 at = a->GetPosition();
  ASSERT_EQ(at, b->GetPosition());
  // Both shells of a volley arrive at the same point: the first downs the pair, the second misses.
  GetInput()->mouseX = at.x;
  GetInput()->mouseY = at.y;
  game->Process();
  game->FireGun();
  ASSERT_EQ(GUI_GameBullet::All.size(), 2u);
  // The planes hold still while the shells climb: they are drawn only by the game's frames.
  g_gameNow += 1000;
  GUI_GameBullet::DrawAll();
  EXPECT_TRUE(GUI_GameBullet::All.empty());
  ASSERT_EQ(GUI_GamePlane::All.size(), 1u);
  EXPECT_EQ(GUI_GamePlane::All.front(), far);
  EXPECT_EQ(game->GetScore(), points);
  ASSERT_EQ(GUI_GameExplosion::All.size(), 2u);
  EXPECT_FALSE(GUI_GameExplosion::All.front()->IsMiss());
  EXPECT_TRUE(GUI_GameExplosion::All.back()->IsMiss());
  // A burst plays its second of frames and is gone.
  g_gameNow += 1000;
  GUI_GameExplosion::DrawAll();
  EXPECT_TRUE(GUI_GameExplosion::All.empty());
}

TEST_F(VideoGame, TheScoreSetsTheSkillTheEffectsTheLinesAndTheRenown) {
  struct Case {
    int score;
    float skill;
    const char *skillLine, *excitementLine, *relaxationLine;
  } cases[] = {
      {20000, 1.0f, "Skill: 100.00%", "Boredom down by 25.00", "Stress down by 25.00"},
      {45000, 1.0f, "Skill: 100.00%", "Boredom down by 25.00", "Stress down by 25.00"},
      {5000, 0.25f, "Skill: 25.00%", "Boredom down by 6.25", "Stress down by 6.25"},
      {0, 0.0f, "Skill: 0.00%", "Boredom down by 0.00", "Stress down by 0.00"},
  };
  for (const Case& k : cases) {
    SCOPED_TRACE(k.score);
    SIM_Effect::ProcessAllEffects();
    for (const char* name : {"boredom", "stress"}) {
      while (const SIM_Effect* old = Effect(name)) delete old;
      // High enough that the whole change fits above 0.
      SIM_Attribute* attribute = SIM_Attribute::GetAttribute(name);
      attribute->SetBaseValue(0.9f);
      attribute->CalculateValue();
    }
    const float renownBefore = SIM_GetStatistics()->GetFloatCounter("VORLAEARNED");
    GUI_VideoGame* game = Started();
    game->ScorePoints(k.score);
    Run(game, 29950);
    EXPECT_EQ(game->GetState(), GUI_VideoGame::STATE_PLAYING);
    Run(game, 66);
    ASSERT_EQ(game->GetState(), GUI_VideoGame::STATE_FINISHED);
    EXPECT_FLOAT_EQ(game->GetSkill(), k.skill);
    EXPECT_EQ(game->GetSkillLine(), k.skillLine);
    EXPECT_EQ(game->GetExcitementLine(), k.excitementLine);
    EXPECT_EQ(game->GetRelaxationLine(), k.relaxationLine);
    for (const char* name : {"boredom", "stress"}) {
      const SIM_Effect* effect = Effect(name);
      ASSERT_NE(effect, nullptr) << name;
      EXPECT_FLOAT_EQ(effect->GetEffect(), SIM_GetVede()->GetAdjustedEffect(name, -0.25f * k.skill)) << name;
      EXPECT_FLOAT_EQ(effect->GetDegrade(), 0.8f) << name;
    }
    EXPECT_NEAR(SIM_GetStatistics()->GetFloatCounter("VORLAEARNED") - renownBefore, k.skill * 0.03f, 1e-5f);
    EXPECT_TRUE(game->GetCloseButton()->IsEnabled());
    GUI_VideoGame::Close();
  }
}

TEST_F(VideoGame, NothingLeavesTheGameBeforeTheEndAndEscapeClosesItAfter) {
  GUI_VideoGame* game = Started();
  GUI_GetGUI()->HandleKey(kEscape);
  ClickAt((float)game->GetCloseButton()->GetCenterX(), (float)game->GetCloseButton()->GetCenterY());
  EXPECT_EQ(GUI_VideoGame::PTheWindow, game);
  Run(game, 30100);
  ASSERT_EQ(game->GetState(), GUI_VideoGame::STATE_FINISHED);
  // Clicks in the sky fire nothing now.
  Run(game, 1100);
  const V2 c = Centre(game);
  ClickAt(c.x, c.y);
  EXPECT_TRUE(GUI_GameBullet::All.empty());
  const int score = game->GetScore();
  Run(game, 2000);
  EXPECT_EQ(game->GetScore(), score);
  GUI_GetGUI()->HandleKey(kEscape);
  EXPECT_EQ(GUI_VideoGame::PTheWindow, nullptr);
}

TEST_F(VideoGame, ANewGameStartsWithAnEmptySky) {
  GUI_VideoGame* game = Started();
  Run(game, 3000);
  GetInput()->mouseX = Centre(game).x;
  GetInput()->mouseY = Centre(game).y;
  game->FireGun();
  Run(game, 900);  // explosions and shells of this game still live
  ASSERT_FALSE(GUI_GamePlane::All.empty());
  GUI_VideoGame::Close();
  EXPECT_TRUE(GUI_GamePlane::All.empty());
  EXPECT_TRUE(GUI_GameBullet::All.empty());
  EXPECT_TRUE(GUI_GameExplosion::All.empty());
  // Left over by something else, gone when a game opens.
  new GUI_GamePlane(V2(0.0f, 100.0f), V2(500.0f, 100.0f), true);
  game = Open();
  EXPECT_TRUE(GUI_GamePlane::All.empty());
}

TEST_F(VideoGame, AGameUsesOneSlotWhenItsWindowClosesHoweverItStarted) {
  SIM_SIM* sim = SIM_GetSim();
  SIM_SoloActivityType* type = SIM_SoloActivityType::GetByName("videogame");
  ASSERT_NE(type, nullptr);
  SIM_SoloActivityInstance::Create(type);
  ASSERT_NE(GUI_VideoGame::PTheWindow, nullptr);
  EXPECT_EQ(sim->GetSlotsUsed(), 0);
  GUI_VideoGame::Close();
  EXPECT_EQ(sim->GetSlotsUsed(), 1);
  // The hook alone, as a script may call it.
  Open();
  EXPECT_EQ(sim->GetSlotsUsed(), 1);
  GUI_VideoGame::Close();
  EXPECT_EQ(sim->GetSlotsUsed(), 2);
  EXPECT_EQ(sim->GetTurnMode(), SIM_SIM::TURNMODE_DAYENDED);
}

TEST_F(VideoGame, TheHeadlessPlayerPlaysToTheEndScoresAndCloses) {
  SIM_SoloActivityType* type = SIM_SoloActivityType::GetByName("videogame");
  ASSERT_NE(type, nullptr);
  GTimer::SetClock(nullptr);
  HeadlessVideoGame::StartGame();
  HeadlessClock::Hold();
  SIM_SoloActivityInstance::Create(type);
  ASSERT_TRUE(HeadlessVideoGame::Play());
  EXPECT_EQ(GUI_VideoGame::PTheWindow, nullptr);
  EXPECT_EQ(SIM_GetSim()->GetSlotsUsed(), 1);
  EXPECT_EQ(HeadlessVideoGame::GamesPlayed(), 1);
  EXPECT_GT(HeadlessVideoGame::GetBestScore(), 0);
  EXPECT_FALSE(HeadlessVideoGame::Play());  // nothing open
}

}  // namespace
