// The flies over a dirty player: how many by cleanliness, only in the in-game mode, read once
// every 31 draws.
#include <gtest/gtest.h>

#include "D3DEngine.h"
#include "GUI_MenuNew.h"
#include "GUI_Smell.h"
#include "Game.h"
#include "SIM_NamedValue.h"
#include "SIM_Vede.h"
#include "winmain.h"

namespace {

int FliesDrawn() {
  int flies = 0;
  for (const DrawRecord& quad : D3DEngine::GetRecorder().Filter(DrawKind::Quad)) {
    if (quad.texture.find("fly") != std::string::npos) ++flies;
  }
  return flies;
}

// Enough draws for the overlay to read the value again, then one more, counted.
int FliesAfterReading(float cleanliness) {
  SIM_GetVede()->GetNamedValue("_cleanliness", true)->SetValue(cleanliness);
  for (int i = 0; i <= GUI_Smell::READ_EVERY; ++i) GUI_GetSmell()->Draw();
  D3DEngine::GetRecorder().Clear();
  GUI_GetSmell()->Draw();
  return FliesDrawn();
}

TEST(Smell, FliesFollowTheCleanlinessInTheInGameModeOnly) {
  BActive = GetGame()->InitApp();
  GUI_MenuNew::Start(0);  // the character the new-game screen offers
  GetGame()->StartNewGame();
  ASSERT_EQ(GetGame()->GetGameMode(), Game::GAMEMODE_INGAME);
  const struct {
    float cleanliness;
    int flies;
  } cases[] = {{1.0f, 0}, {0.4f, 0}, {0.375f, 1}, {0.25f, 2}, {0.125f, 3}, {0.0f, 4}};
  for (const auto& c : cases) EXPECT_EQ(FliesAfterReading(c.cleanliness), c.flies) << c.cleanliness;

  // The avatar drawn on the new-game screen or the intro page never carries flies.
  for (int mode : {Game::GAMEMODE_NEWGAME, Game::GAMEMODE_INTRO}) {
    GetGame()->SetGameMode(mode);
    EXPECT_EQ(FliesAfterReading(0.0f), 0) << "mode " << mode;
  }
}

TEST(Smell, TheValueIsReadOnceEveryThirtyOneDraws) {
  BActive = GetGame()->InitApp();
  GUI_MenuNew::Start(0);  // the character the new-game screen offers
  GetGame()->StartNewGame();
  EXPECT_EQ(FliesAfterReading(0.0f), 4);
  // A change shows only when the counter comes round again.
  SIM_GetVede()->GetNamedValue("_cleanliness", true)->SetValue(1.0f);
  D3DEngine::GetRecorder().Clear();
  GUI_GetSmell()->Draw();
  EXPECT_EQ(FliesDrawn(), 4);
  EXPECT_EQ(FliesAfterReading(1.0f), 0);
}

}  // namespace
