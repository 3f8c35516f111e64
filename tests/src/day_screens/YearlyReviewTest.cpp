// The yearly review and the end-of-game screen: what the page says for a year's statistics, the
// candles for an age, and how each screen's buttons hand the night back to the day turn.
#include <gtest/gtest.h>

#include <string>

#include "CInput.h"
#include "D3DEngine.h"
#include "GTimer.h"
#include "GTranslation.h"
#include "GUI_ButtonText.h"
#include "GUI_ControlPanel.h"
#include "GUI_EndGame.h"
#include "GUI_GUI.h"
#include "GUI_IconButton.h"
#include "GUI_YearReviewStat.h"
#include "GUI_YearlyReview.h"
#include "Game.h"
#include "HeadlessPlayer.h"
#include "SIM_Date.h"
#include "SIM_SIM.h"
#include "SIM_Statistics.h"
#include "SIM_Vede.h"

namespace {

uint32_t g_reviewClock = 0;
uint32_t ReviewTestClock() { return g_reviewClock; }

bool PressReviewButton(const GUI_BaseElement* element) {
  GetInput()->mouseX = element->GetCenterX();
  GetInput()->mouseY = element->GetCenterY();
  return GUI_GetGUI()->CheckClick();
}

class YearlyReview : public ::testing::Test {
 protected:
  void SetUp() override { HeadlessPlayer::StartNewGame(5); }
  void TearDown() override {
    GUI_YearlyReview::Close();
    GTimer::SetClock(nullptr);
  }

  static SIM_SIM* Sim() { return SIM_GetSim(); }
  static SIM_Statistics* Stats() { return SIM_GetStatistics(); }
  static SIM_Date Tomorrow() {
    SIM_Date date = *SIM_Date::PPresentDay;
    date.IncrementDays(1);
    return SIM_Date(date.GetDay(), date.GetMonth(), date.GetYear());
  }
  // The day played to its end and the end-day button pressed, the milestone set for tonight.
  static void PlayToNight(SIM_Date* milestone) {
    *milestone = Tomorrow();
    HeadlessPlayer::PlayToEndOfDay();
    Sim()->ProcessPreBedTasks();
    GUI_ControlPanel::NextDay(0);
  }
};

TEST_F(YearlyReview, TheSummaryFollowsTheSharesOfTheEvenings) {
  struct Case {
    int solo, social, classes;
    const char* key;
  };
  const Case cases[] = {
      {0, 0, 0, "YEAR_REVIEW_SUMMARY_WELLBALANCED"},  // nothing done: every share 0
      {9, 11, 0, "YEAR_REVIEW_SUMMARY_SOLITARY"},     // alone exactly 0.45 comes before social 0.55
      {8, 9, 3, "YEAR_REVIEW_SUMMARY_SOCIABLE"},      // social exactly 0.45
      {7, 7, 6, "YEAR_REVIEW_SUMMARY_BOOKWORM"},      // classes exactly 0.3
      {8, 7, 5, "YEAR_REVIEW_SUMMARY_WELLBALANCED"},
  };
  for (const Case& c : cases) {
    Stats()->SetCounter("DAYS_SOLO", c.solo);
    Stats()->SetCounter("DAYS_SOCIAL", c.social);
    Stats()->SetCounter("CLASSESATTENDED", c.classes);
    GUI_YearlyReview::Create();
    GUI_YearlyReview* review = GUI_YearlyReview::PTheWindow;
    ASSERT_NE(review, nullptr);
    std::string expected = GTranslation::GetString(c.key);
    GTranslation::ReplaceToken(expected, "<ADJECTIVE1>", "");
    GTranslation::ReplaceToken(expected, "<ADJECTIVE2>", "");
    EXPECT_EQ(review->GetSummary(), expected) << c.solo << "/" << c.social << "/" << c.classes;
    EXPECT_EQ(review->GetSummary().find('<'), std::string::npos);
  }
}

TEST_F(YearlyReview, TheCakeCarriesACandleForEveryYearPastTwentyUpToTen) {
  const struct {
    int age, candles;
  } cases[] = {{20, 0}, {21, 1}, {31, 10}};
  for (const auto& c : cases) {
    SIM_GetVede()->SetAge(c.age);
    GUI_YearlyReview::Create();
    DrawRecorder& recorder = D3DEngine::GetRecorder();
    recorder.Clear();
    GUI_YearlyReview::PTheWindow->Draw();
    int drawn = 0;
    for (const DrawRecord& quad : recorder.Filter(DrawKind::Quad)) {
      if (quad.texture.find("birthday_candle") != std::string::npos) ++drawn;
    }
    EXPECT_EQ(drawn, c.candles) << "age " << c.age;
    EXPECT_TRUE(recorder.FindTexture("birthday_cake.dds") || recorder.FindTexture("birthday_cake.png"));
  }

  // Ten candles stand in rows of three, four and three, each row 10 pixels lower, on the cake.
  const GUI_YearlyReview* review = GUI_YearlyReview::PTheWindow;
  const float cx = review->GetCake().GetCenterX();
  const float top = review->GetCake().Top();
  const float expected[10][2] = {{cx - 33, top - 5},  {cx, top - 5},      {cx + 33, top - 5},  {cx - 50, top + 5},
                                 {cx - 17, top + 5},  {cx + 16, top + 5}, {cx + 49, top + 5},  {cx - 30, top + 15},
                                 {cx + 3, top + 15}, {cx + 36, top + 15}};
  for (int i = 0; i < GUI_YearlyReview::MAX_CANDLES; ++i) {
    EXPECT_FLOAT_EQ(review->GetCandle(i).GetCenterX(), expected[i][0]) << i;
    EXPECT_FLOAT_EQ(review->GetCandle(i).GetCenterY(), expected[i][1]) << i;
  }
}

TEST_F(YearlyReview, ThePageShowsTheGuestsTheFavouriteAndTheStatistics) {
  Stats()->SetCounter("BOOKS_READ", 3);
  Stats()->SetCounter("CASH_EARNED", 1234.9f);
  Stats()->SetActivityCount("watchtv", "Television", 2);
  Stats()->SetActivityCount("walkpark", "A walk in the park", 5);
  GUI_YearlyReview::Create();
  const GUI_YearlyReview* review = GUI_YearlyReview::PTheWindow;

  // Nobody came to the stand-in party.
  std::string guests = GTranslation::GetString("YEAR_REVIEW_PARTY_GUESTS");
  GTranslation::ReplaceToken(guests, "<NUMGUESTS>", GTranslation::GetString("YEAR_REVIEW_GUESTS_NONE"));
  EXPECT_EQ(review->GetPartyGuestsText(), guests);
  EXPECT_EQ(review->GetFavoriteText(), std::string(GTranslation::GetString("YEAR_REVIEW_FAVORITE")) + " : A walk in the park");

  std::vector<const GUI_YearReviewStat*> rows;
  for (const GUI_WindowBase* child : review->GetChildren()) {
    if (auto* row = dynamic_cast<const GUI_YearReviewStat*>(child)) rows.push_back(row);
  }
  ASSERT_EQ(rows.size(), 16u);
  const float firstY = review->GetCake().Bottom() + 140.0f;
  const RECT& panel = review->GetPanel();
  EXPECT_EQ(rows[0]->GetRect()->left, panel.left + 20);
  EXPECT_EQ(rows[0]->GetRect()->top, (int)firstY);
  EXPECT_EQ(rows[7]->GetRect()->top, (int)firstY + 140);
  EXPECT_EQ(rows[8]->GetRect()->left, (panel.left + panel.right) / 2);
  EXPECT_EQ(rows[8]->GetRect()->top, (int)firstY);
  EXPECT_EQ(rows[1]->GetValue(), "3");      // books read
  EXPECT_EQ(rows[10]->GetValue(), "1234");  // cash earned, truncated
  EXPECT_EQ(rows[13]->GetValue(), "32");    // two evenings of television, sixteen hours each
  EXPECT_EQ(rows[13]->GetLabel(), GTranslation::GetString("STATISTIC_TVHOURS"));
}

TEST_F(YearlyReview, TheReviewsContinueOpensTheMorningAndResumesThePlayTimer) {
  // The play timer on a clock moved by hand: an hour of play, then the review.
  GTimer::SetClock(&ReviewTestClock);
  g_reviewClock = 1000;
  Stats()->GetTimer().StartTimer();
  g_reviewClock += 3600000;
  PlayToNight(&SIM_Date::EndYearDate);
  GUI_YearlyReview* review = GUI_YearlyReview::PTheWindow;
  ASSERT_NE(review, nullptr);
  EXPECT_EQ(GUI_EndGame::PTheWindow, nullptr);
  EXPECT_TRUE(Stats()->GetTimer().IsPaused());
  // The hour, and whatever the day's evening played against the clock (a crossword's seconds).
  const double played = Stats()->GetTimer().GetElapsed();
  EXPECT_GE(played, 3600000.0);
  EXPECT_LT(played, 3600000.0 + 600000.0);
  g_reviewClock += 60000;  // a minute spent reading the page
  const int turn = Sim()->GetTurnCount();
  const int day = SIM_Date::PPresentDay->GetDay();

  GUI_IconButton* next = review->GetContinueButton();
  ASSERT_NE(next, nullptr);
  EXPECT_TRUE(next->IsFadeFirst());
  next->GetCallback()(0);
  EXPECT_EQ(GUI_YearlyReview::PTheWindow, nullptr);
  EXPECT_EQ(Sim()->GetTurnMode(), SIM_SIM::TURNMODE_WOKEUP);
  EXPECT_EQ(Sim()->GetTurnCount(), turn);
  EXPECT_EQ(SIM_Date::PPresentDay->GetDay(), day);
  // The timer goes on from the hour played; the minute on the page is not counted.
  EXPECT_FALSE(Stats()->GetTimer().IsPaused());
  g_reviewClock += 1000;
  Stats()->GetTimer().Update();
  EXPECT_DOUBLE_EQ(Stats()->GetTimer().GetElapsed(), played + 1000.0);
}

TEST_F(YearlyReview, PlayingOnAfterTheEndFinishesTheNightOnce) {
  PlayToNight(&SIM_Date::EndGameDate);
  GUI_EndGame* screen = GUI_EndGame::PTheWindow;
  ASSERT_NE(screen, nullptr);
  EXPECT_EQ(GUI_YearlyReview::PTheWindow, screen);
  EXPECT_TRUE(screen->IsEndGame());
  EXPECT_EQ(screen->GetContinueButton(), nullptr);  // no icon at the bottom right
  for (const GUI_ButtonText* button : {screen->GetMainMenuButton(), screen->GetContinueTextButton()}) {
    ASSERT_NE(button, nullptr);
    EXPECT_GE(button->GetRect()->left, screen->GetPanel().left);
    EXPECT_LE(button->GetRect()->right, screen->GetPanel().right);
    EXPECT_LE(button->GetRect()->bottom, screen->GetPanel().bottom);
  }
  EXPECT_TRUE(Stats()->GetTimer().IsPaused());
  EXPECT_EQ(Sim()->GetTurnMode(), SIM_SIM::TURNMODE_DAYENDED);
  const int turn = Sim()->GetTurnCount();
  const int day = SIM_Date::PPresentDay->GetDay();

  EXPECT_TRUE(PressReviewButton(screen->GetContinueTextButton()));
  EXPECT_EQ(GUI_EndGame::PTheWindow, nullptr);
  EXPECT_EQ(GUI_YearlyReview::PTheWindow, nullptr);
  EXPECT_EQ(Sim()->GetTurnMode(), SIM_SIM::TURNMODE_WOKEUP);
  EXPECT_EQ(Sim()->GetTurnCount(), turn + 1);
  EXPECT_EQ(Sim()->GetSlotsUsed(), 0);
  EXPECT_EQ(SIM_Date::PPresentDay->GetDay(), day);  // no second night
  EXPECT_FALSE(Stats()->GetTimer().IsPaused());
  EXPECT_TRUE(Sim()->IsTenYearsUp());

  // The next year ends in a review again.
  PlayToNight(&SIM_Date::EndYearDate);
  EXPECT_EQ(GUI_EndGame::PTheWindow, nullptr);
  EXPECT_NE(GUI_YearlyReview::PTheWindow, nullptr);
}

TEST_F(YearlyReview, TheEndsMainMenuLeavesTheGame) {
  PlayToNight(&SIM_Date::EndGameDate);
  ASSERT_NE(GUI_EndGame::PTheWindow, nullptr);
  EXPECT_TRUE(PressReviewButton(GUI_EndGame::PTheWindow->GetMainMenuButton()));
  EXPECT_EQ(GUI_EndGame::PTheWindow, nullptr);
  EXPECT_EQ(GUI_YearlyReview::PTheWindow, nullptr);
  EXPECT_EQ(GetGame()->GetGameMode(), Game::GAMEMODE_MAINMENU);
  EXPECT_FALSE(GetGame()->GetGameInProgress());
}

}  // namespace
