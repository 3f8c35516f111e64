// The home's mess, its flies, the fish and the ambient sounds: what shows at each dirt level, the
// flies' list, when the flies buzz, and that none of it draws from the simulation's generator.
#include <gtest/gtest.h>

#include <cstdlib>
#include <string>

#include "D3DEngine.h"
#include "GTimer.h"
#include "GUI_AmbientSounds.h"
#include "GUI_Dirt.h"
#include "GUI_Fish.h"
#include "GUI_GUI.h"
#include "GUI_Insect.h"
#include "GUI_MenuNew.h"
#include "GUI_Sounds.h"
#include "Game.h"
#include "SIM_GlobalVariable.h"
#include "SIM_NamedValue.h"
#include "SIM_Vede.h"
#include "winmain.h"

namespace messtest {

uint32_t MessNow = 1000;
uint32_t MessClock() { return MessNow; }

void StartGame() {
  BActive = GetGame()->InitApp();
  GUI_MenuNew::Start(0);
  GetGame()->StartNewGame();
  ASSERT_EQ(GetGame()->GetGameMode(), Game::GAMEMODE_INGAME);
}

void SetMess(float dirt, bool dog, bool cat) {
  SIM_NamedValueList::ForceGlobal("glob_dirt", dirt);
  SIM_NamedValueList::ForceGlobal("dog", dog ? 1.0f : 0.0f);
  SIM_NamedValueList::ForceGlobal("cat", cat ? 1.0f : 0.0f);
  GUI_GetDirt()->Process();
}

struct Shown {
  int stains = 0, hairs = 0, paws = 0, flies = 0;
  int hairAlpha = -1, pawAlpha = -1;
};

// One frame of the mess and the flies, as the backdrop draws them, counted by texture.
Shown DrawMess() {
  if (!GetD3DEngine()->InScene()) GetD3DEngine()->BeginRender();  // as in a frame, where the sky opened it
  D3DEngine::GetRecorder().Clear();
  GUI_GetDirt()->Draw();
  GUI_Insect::DrawAll();
  Shown shown;
  for (const DrawRecord& quad : D3DEngine::GetRecorder().Filter(DrawKind::Quad)) {
    if (quad.texture.find("dirt") != std::string::npos) ++shown.stains;
    if (quad.texture.find("pethair") != std::string::npos) ++shown.hairs, shown.hairAlpha = quad.a();
    if (quad.texture.find("pawprint") != std::string::npos) ++shown.paws, shown.pawAlpha = quad.a();
    if (quad.texture.find("fly") != std::string::npos) ++shown.flies;
  }
  return shown;
}

}  // namespace messtest

using namespace messtest;

TEST(Mess, WhatShowsFollowsTheDirtLevelAndThePets) {
  StartGame();
  const int most = (int)SIM_GetGlobalVariables()->Get("GV_MAXDIRTSPRITES");
  ASSERT_GT(most, 0);
  const struct {
    float dirt;
    bool dog, cat;
    int stains, hairs, paws, flies, hairAlpha, pawAlpha;
  } cases[] = {
      {1.0f, true, false, most, 64, 12, 12, 255, 255},
      {0.0f, true, true, 0, 0, 0, 0, -1, -1},
      {1.0f, false, false, most, 0, 0, 12, -1, -1},
      {0.5f, false, true, most / 2, 32, 6, 4, 127, 150},
      {0.85f, true, false, (int)(0.85f * most), 54, 10, 9, 216, 255},
      {0.1f, true, false, (int)(0.1f * most), 0, 0, 0, -1, -1},  // pet mess needs more than 0.1
      {0.3125f, false, false, (int)(0.3125f * most), 0, 0, 1, -1, -1},
  };
  for (const auto& c : cases) {
    SetMess(c.dirt, c.dog, c.cat);
    const Shown shown = DrawMess();
    EXPECT_EQ(shown.stains, c.stains) << c.dirt;
    EXPECT_EQ(shown.hairs, c.hairs) << c.dirt;
    EXPECT_EQ(shown.paws, c.paws) << c.dirt;
    EXPECT_EQ(shown.flies, c.flies) << c.dirt;
    EXPECT_EQ(shown.hairAlpha, c.hairAlpha) << c.dirt;
    EXPECT_EQ(shown.pawAlpha, c.pawAlpha) << c.dirt;
  }
}

TEST(Mess, TheFliesListOnlyGrowsAndAnotherGamePlacesFreshMess) {
  StartGame();
  SetMess(1.0f, false, false);
  DrawMess();
  ASSERT_EQ(GUI_Insect::All.size(), 12u);
  SetMess(0.5f, false, false);
  EXPECT_EQ(DrawMess().flies, 4);
  SetMess(0.0f, false, false);
  EXPECT_EQ(DrawMess().flies, 0);
  EXPECT_EQ(GUI_Insect::All.size(), 12u);
  SetMess(2.0f, false, false);  // past the scale: still at most twelve
  DrawMess();
  EXPECT_EQ(GUI_Insect::All.size(), 12u);

  const BaseSprite first = GUI_GetDirt()->GetDirtSprites().front();
  GUI_GetDirt()->Initialise();
  ASSERT_EQ(GUI_GetDirt()->GetDirtSpriteCount(), (size_t)SIM_GetGlobalVariables()->Get("GV_MAXDIRTSPRITES"));
  const BaseSprite again = GUI_GetDirt()->GetDirtSprites().front();
  EXPECT_FALSE(first.GetCenterX() == again.GetCenterX() && first.GetCenterY() == again.GetCenterY());
  GUI_GetDirt()->Clean();
  EXPECT_EQ(GUI_GetDirt()->GetDirtSpriteCount(), 0u);
  EXPECT_EQ(DrawMess().stains, 0);
}

TEST(Mess, FliesBuzzOnlyAboveSixTenthsAndMoreOftenTheDirtier) {
  GTimer::SetClock(MessClock);
  StartGame();
  GUI_GetDirt()->Initialise();
  GUI_Sounds* sounds = GUI_GetSounds();
  auto buzzesAfter = [&](uint32_t ms) {
    sounds->PlaySound("data/sounds/yawn.ogg", false);  // anything but the flies last
    MessNow += ms;
    GUI_GetDirt()->Draw();
    return sounds->GetLastPlayed() == "data/sounds/flies.ogg";
  };
  SetMess(1.0f, false, false);
  EXPECT_FALSE(buzzesAfter(39000));  // the first once 40000 ms have passed since the mess was built
  EXPECT_TRUE(buzzesAfter(2000));
  EXPECT_FALSE(buzzesAfter(19000));  // then every 20000 ms at 1.0
  EXPECT_TRUE(buzzesAfter(2000));
  SetMess(0.6f, false, false);
  EXPECT_FALSE(buzzesAfter(60000));
  EXPECT_FALSE(buzzesAfter(60000));
  GTimer::SetClock(nullptr);
}

TEST(Mess, SceneDrawsNeverTouchTheSimulationsGenerator) {
  StartGame();
  srand(4321);
  const int expected[3] = {rand(), rand(), rand()};
  srand(4321);

  SetMess(1.0f, true, true);
  SIM_NamedValueList::ForceGlobal("fish", 1.0f);
  GUI_GetDirt()->Initialise();
  for (int i = 0; i < 20; ++i) {
    DrawMess();
    GUI_GetFish()->Draw();
  }
  EXPECT_TRUE(GUI_GetFish()->IsInitialised());
  GUI_AmbientSounds* ambient = GUI_GetAmbientSounds();
  SetMess(1.0f, false, false);  // so the player's boredom is the only reason for a sound
  SIM_GetVede()->GetNamedValue("boredom", true)->SetValue(0.9f);
  ambient->PlayAmbientSound();
  EXPECT_EQ(GUI_GetSounds()->GetLastPlayed(), "data/sounds/bored_sigh.ogg");
  ambient->PlayBirdSong();
  EXPECT_EQ(GUI_GetSounds()->GetLastPlayed().rfind("data/sounds/birdsong_", 0), 0u) << GUI_GetSounds()->GetLastPlayed();
  ambient->ChooseRandomInterval();
  ambient->ChooseRandomBirdsongInterval();
  EXPECT_GE(ambient->GetInterval(), 10000.0f);
  EXPECT_GE(ambient->GetBirdsongInterval(), 1000.0f);

  for (int value : expected) EXPECT_EQ(rand(), value);
}

TEST(Mess, AmbientSoundsNeedAMoodOrAPet) {
  StartGame();
  SetMess(0.0f, false, false);
  SIM_GetVede()->GetNamedValue("boredom", true)->SetValue(0.0f);
  SIM_GetVede()->GetNamedValue("_energy", true)->SetValue(1.0f);
  GUI_Sounds* sounds = GUI_GetSounds();
  sounds->PlaySound("data/sounds/flies.ogg", false);
  GUI_GetAmbientSounds()->PlayAmbientSound();
  EXPECT_EQ(sounds->GetLastPlayed(), "data/sounds/flies.ogg");
  SIM_GetVede()->GetNamedValue("_energy", true)->SetValue(0.1f);
  GUI_GetAmbientSounds()->PlayAmbientSound();
  EXPECT_EQ(sounds->GetLastPlayed(), "data/sounds/yawn.ogg");
}

TEST(Mess, FishComeBackInByTheSideTheyLeftFacingTheOtherWay) {
  GTimer::SetClock(MessClock);
  StartGame();
  SIM_NamedValueList::ForceGlobal("fish", 1.0f);
  const float W = (float)GetD3DEngine()->GetScreenWidth();
  GUI_FishSprite& fish = GUI_GetFish()->GetFish(0);
  int turns = 0;
  bool right = false;
  for (int frame = 0; frame < 40000 && turns < 3; ++frame) {
    MessNow += 36;  // the largest step a frame takes
    GUI_GetGUI()->UpdateRenderThrottle();
    if (frame == 0) {
      GUI_GetFish()->Draw();
      right = fish.IsMovingRight();
    }
    D3DEngine::GetRecorder().Clear();
    GUI_GetFish()->Draw();
    if (fish.IsMovingRight() == right) continue;
    // Gone off the right edge, back in from the right swimming left, and the other way round.
    if (right) {
      EXPECT_GT(fish.GetPosition().x, W) << "turn " << turns;
    } else {
      EXPECT_LT(fish.GetPosition().x, 0.0f) << "turn " << turns;
    }
    EXPECT_EQ(fish.GetSpeed() > 0.0f, fish.IsMovingRight());
    right = fish.IsMovingRight();
    ++turns;
  }
  EXPECT_EQ(turns, 3);
  GTimer::SetClock(nullptr);
}
