// The fruit machine of a gambling night: the stake's steps, spins played frame by frame on a
// clock the test moves (the reels steered to the drawn result, the money booked), and the reels'
// cut and darkened edge blocks. A real new game with a gambling night opened from the table.
#include <gtest/gtest.h>

#include <list>
#include <vector>

#include "D3DEngine.h"
#include "DrawRecorder.h"
#include "GTranslation.h"
#include "GUI_Gambling.h"
#include "GUI_GamblingWheel.h"
#include "GUI_IconButton.h"
#include "GUI_PostMortem.h"
#include "HeadlessOutings.h"
#include "HeadlessPlayer.h"
#include "SIM_Finances.h"
#include "SIM_OutingInstances.h"
#include "SIM_SocialiseType.h"
#include "SIM_Statistics.h"
#include "SIM_Vede.h"

namespace {

class FruitMachine : public ::testing::Test {
 protected:
  void SetUp() override {
    HeadlessPlayer::StartNewGame(7);
    HeadlessPlayer::PlayToEndOfDay(true);
    SIM_GetFinances()->AddCash(10000.0f);
    type = new SIM_SocialiseType;
    type->SetName("casino");
    type->SetGUIName("Casino");
    type->SetProcessFunction("GAMBLING");
    type->SetCosts(0, 5);
  }
  void TearDown() override {
    if (GUI_Gambling::PTheWindow) GUI_Gambling::Stop(0);
    if (GUI_PostMortem::PTheWindow) GUI_PostMortem::Continue(0);
    delete type;
  }
  // A night at the machine, alone.
  GUI_Gambling* Open() {
    SIM_SocialiseInstance::Create(std::list<SIM_Person*>(), type, SIM_GetVede());
    return GUI_Gambling::PTheWindow;
  }
  SIM_SocialiseType* type = nullptr;
};

TEST_F(FruitMachine, TheStakeDoublesUpToAHundredAndHalvesDownToOne) {
  GUI_Gambling* machine = Open();
  ASSERT_NE(machine, nullptr);
  EXPECT_EQ(machine->GetTitle(), "Casino");
  EXPECT_FALSE(machine->IsDialog()) << "Escape leaves the machine alone: only stop closes it";
  std::vector<int> up, down;
  for (int i = 0; i < 8; ++i) {
    GUI_Gambling::Higher(0);
    up.push_back(machine->GetStake());
  }
  for (int i = 0; i < 7; ++i) {
    GUI_Gambling::Lower(0);
    down.push_back(machine->GetStake());
  }
  EXPECT_EQ(up, (std::vector<int>{2, 4, 8, 16, 32, 64, 100, 100}));
  EXPECT_EQ(down, (std::vector<int>{50, 25, 12, 6, 3, 1, 1}));
}

TEST_F(FruitMachine, EverySpinShowsItsResultAndBooksTheStakeALossAsSpending) {
  int wins = 0, spins = 0;
  for (int night = 0; night < 8; ++night) {
    GUI_Gambling* machine = Open();
    ASSERT_NE(machine, nullptr);
    SIM_GamblingInstance* evening = machine->GetInstance();
    for (int i = 0; i < night % 3; ++i) GUI_Gambling::Higher(0);
    const int stake = machine->GetStake();
    int total = 0;
    while (evening->MoreSpinsLeft()) {
      const float cash = SIM_GetFinances()->GetCash();
      const float earned = SIM_GetStatistics()->GetFloatCounter("CASH_EARNED");
      ASSERT_TRUE(HeadlessOutings::PlayOneSpin());
      const int fruit0 = machine->GetWheel(0)->GetCentreFruit();
      const int fruit1 = machine->GetWheel(1)->GetCentreFruit();
      const int fruit2 = machine->GetWheel(2)->GetCentreFruit();
      for (int w = 0; w < 3; ++w) {
        EXPECT_EQ(machine->GetWheel(w)->GetCentreFruit(), machine->GetWheel(w)->GetTargetFruit()) << "reel " << w;
        EXPECT_FALSE(machine->GetWheel(w)->IsSpinning());
      }
      const int result = evening->GetWinnings(evening->GetSpinsPlayed() - 1);
      total += result;
      ++spins;
      if (machine->HasWon()) {
        ++wins;
        EXPECT_EQ(result, stake);
        EXPECT_TRUE(fruit0 == fruit1 && fruit1 == fruit2);
        EXPECT_FLOAT_EQ(SIM_GetFinances()->GetCash(), cash + (float)stake);
      } else {
        EXPECT_EQ(result, -stake);
        EXPECT_NE(fruit1, fruit2) << "a loss never shows a line";
        EXPECT_FLOAT_EQ(SIM_GetFinances()->GetCash(), cash - (float)stake);
        EXPECT_FLOAT_EQ(SIM_GetStatistics()->GetFloatCounter("CASH_EARNED"), earned) << "a loss is no negative income";
      }
      EXPECT_EQ(evening->GetTotalWinnings(), total);
    }
    machine->UpdateButtons();
    EXPECT_FALSE(machine->GetSpinButton()->IsEnabled()) << "five spins a night";
    EXPECT_FALSE(machine->GetHigherButton()->IsEnabled());
    EXPECT_TRUE(machine->GetStopButton()->IsEnabled());
    EXPECT_FALSE(HeadlessOutings::PlayOneSpin());
    GUI_Gambling::Stop(0);
    EXPECT_EQ(GUI_Gambling::PTheWindow, nullptr);
    ASSERT_NE(GUI_PostMortem::PTheWindow, nullptr) << "leaving finishes the evening";
    GUI_PostMortem::Continue(0);
  }
  EXPECT_GT(wins, 0);
  EXPECT_LT(wins, spins);
}

TEST_F(FruitMachine, SpinIsRefusedWhileTheStakeIsMoreThanTheCash) {
  GUI_Gambling* machine = Open();
  ASSERT_NE(machine, nullptr);
  for (int i = 0; i < 7; ++i) GUI_Gambling::Higher(0);
  SIM_GetFinances()->SpendCash(SIM_GetFinances()->GetCash() - 99.0f);
  machine->UpdateButtons();
  EXPECT_FALSE(machine->GetSpinButton()->IsEnabled());
  GUI_Gambling::Lower(0);
  machine->UpdateButtons();
  EXPECT_TRUE(machine->GetSpinButton()->IsEnabled());
}

TEST_F(FruitMachine, EdgeBlocksAreCutFromThePictureAndDarkened) {
  GUI_Gambling* machine = Open();
  ASSERT_NE(machine, nullptr);
  GUI_GamblingWheel* reel = machine->GetWheel(0);
  reel->SetPosition(100.0f, 100.0f, 174.0f, 260.0f);  // 160 high: centre 180
  D3DEngine::GetRecorder().Clear();
  reel->Draw();
  std::vector<DrawRecord> blocks;
  for (const DrawRecord& r : D3DEngine::GetRecorder().Filter(DrawKind::Gradient))
    if (r.call == "DrawGradientQuad") blocks.push_back(r);
  ASSERT_EQ(blocks.size(), 3u) << "the centre block whole, its neighbours cut by the window";
  int cut = 0;
  for (const DrawRecord& b : blocks) {
    EXPECT_GE(b.top, 100.0f);
    EXPECT_LE(b.bottom, 260.0f);
    EXPECT_FLOAT_EQ(b.right - b.left, 70.0f);
    const float shown = (b.bottom - b.top) / 64.0f;
    if (shown < 1.0f) {
      ++cut;
      // The cut side takes the grey of how much is shown: darker the less.
      const uint32_t grey = 0xFF000000u + (uint32_t)(int)(255.0f * shown) * 0x10101u;
      const bool below = b.top > 180.0f;
      EXPECT_EQ(below ? b.colour2 : b.colour, grey);
      EXPECT_EQ(below ? b.colour : b.colour2, 0xFFFFFFFFu);
    } else {
      EXPECT_EQ(b.colour, 0xFFFFFFFFu);
      EXPECT_EQ(b.colour2, 0xFFFFFFFFu);
    }
  }
  EXPECT_EQ(cut, 2);
}

}  // namespace
