// The film chooser as the player meets it: three films and arrows that stop at the ends, stars that
// light only for a player who can read the review and then count the quality in half stars, the
// popcorn tick stored on the evening at once and dimming the picture, a seen film that cannot be
// watched, the watch button that runs the evening, the close button that leaves it unspent, and
// an empty cinema.
#include <gtest/gtest.h>

#include <string>

#include "CInput.h"
#include "GTranslation.h"
#include "GUI_ButtonText.h"
#include "GUI_CheckButton.h"
#include "GUI_CloseButton.h"
#include "GUI_GUI.h"
#include "GUI_HintHelp.h"
#include "GUI_IconButton.h"
#include "GUI_MovieChooser.h"
#include "GUI_MovieReview.h"
#include "GUI_PostMortem.h"
#include "GUI_WindowManager.h"
#include "HeadlessPlayer.h"
#include "SIM_Movie.h"
#include "SIM_NamedValue.h"
#include "SIM_OutingInstances.h"
#include "SIM_SIM.h"
#include "SIM_SocialiseType.h"
#include "SIM_Statistics.h"
#include "SIM_Vede.h"

namespace {

// The tick box sits at the left of its label: the click goes on the box.
bool FilmTick(GUI_CheckButton* box) {
  GetInput()->mouseX = box->GetBox().GetCenterX();
  GetInput()->mouseY = box->GetBox().GetCenterY();
  return GUI_GetGUI()->CheckClick();
}

bool FilmClick(const GUI_BaseElement* element) {
  GetInput()->mouseX = element->GetCenterX();
  GetInput()->mouseY = element->GetCenterY();
  return GUI_GetGUI()->CheckClick();
}

class FilmChooser : public ::testing::Test {
 protected:
  void SetUp() override {
    HeadlessPlayer::StartNewGame(5);
    m_evening = new SIM_MovieInstance;
    m_evening->SetType(SIM_SocialiseType::GetTypeByName("cinema"));
    m_evening->SetHost(SIM_GetVede());
  }
  void TearDown() override { GUI_GetWindowManager()->CloseAll(); }

  GUI_MovieChooser* Open() {
    m_evening->ProcessChunk();
    while (!GUI_HintHelp::AllWindows.empty()) delete GUI_HintHelp::AllWindows.front();
    GUI_MovieChooser* chooser = GUI_MovieChooser::PTheWindow;
    EXPECT_NE(chooser, nullptr);
    if (chooser) chooser->UpdateButtonStatus();
    return chooser;
  }

  SIM_MovieInstance* m_evening = nullptr;  // owned by the evenings' list
};

TEST_F(FilmChooser, TheArrowsShowTheThreeFilmsShowingAndStopAtTheEnds) {
  GUI_MovieChooser* chooser = Open();
  ASSERT_NE(chooser, nullptr);
  EXPECT_EQ(chooser->GetShownMovie(), SIM_Movie::CurrentlyShowing[0]);
  EXPECT_FALSE(chooser->GetPrevButton()->IsEnabled());
  for (int i = 1; i < SIM_Movie::kShowing; ++i) {
    ASSERT_TRUE(FilmClick(chooser->GetNextButton()));
    EXPECT_EQ(chooser->GetShownMovie(), SIM_Movie::CurrentlyShowing[(size_t)i]);
    chooser->UpdateButtonStatus();
  }
  EXPECT_FALSE(chooser->GetNextButton()->IsEnabled());
  GUI_MovieChooser::NextMovie(0);
  EXPECT_EQ(chooser->GetIndex(), 2) << "no wrap past the third";
  GUI_MovieChooser::PrevMovie(0);
  GUI_MovieChooser::PrevMovie(0);
  GUI_MovieChooser::PrevMovie(0);
  EXPECT_EQ(chooser->GetIndex(), 0) << "no wrap before the first";
}

TEST_F(FilmChooser, StarsCountTheQualityInHalvesOnlyForAPlayerWhoCanReadTheReview) {
  SIM_Movie* film = SIM_Movie::CurrentlyShowing[0];
  film->SetReviewThreshold(0.5f);
  struct Case {
    float quality;
    int gold;
  };
  SIM_NamedValueList::ForceGlobal("glob_movieknowledge", 0.9f);
  for (const Case& c : {Case{0.75f, 8}, Case{0.05f, 1}, Case{0.0f, 0}, Case{1.0f, 10}}) {
    film->SetQuality(c.quality);
    GUI_MovieChooser* chooser = Open();
    ASSERT_NE(chooser, nullptr);
    EXPECT_TRUE(chooser->GetReview()->IsActive());
    EXPECT_EQ(chooser->GetReview()->CountGold(), c.gold) << c.quality;
    GUI_MovieChooser::Close();
  }
  SIM_NamedValueList::ForceGlobal("glob_movieknowledge", 0.4f);
  film->SetQuality(0.75f);
  GUI_MovieChooser* chooser = Open();
  ASSERT_NE(chooser, nullptr);
  EXPECT_FALSE(chooser->GetReview()->IsActive()) << "too little film knowledge";
  for (int i = 0; i < GUI_MovieReview::kHalves; ++i) {
    const _D3DTLVERTEX& corner = chooser->GetReview()->GetHalf(i).vertices[0];
    EXPECT_EQ(corner.diffuse >> 24, 32u) << "half " << i << " is a faint outline";
  }
}

TEST_F(FilmChooser, PopcornIsStoredAtOnceAndDimsThePicture) {
  GUI_MovieChooser* chooser = Open();
  ASSERT_NE(chooser, nullptr);
  EXPECT_TRUE(m_evening->GetAtePopcorn());
  EXPECT_TRUE(chooser->GetPopcornBox()->IsChecked());
  const auto alpha = [chooser] { return chooser->GetPopcornSprite().vertices[0].diffuse >> 24; };
  EXPECT_EQ(alpha(), 255u);
  ASSERT_TRUE(FilmTick(chooser->GetPopcornBox()));
  EXPECT_FALSE(m_evening->GetAtePopcorn());
  EXPECT_EQ(alpha(), 32u);
  ASSERT_TRUE(FilmTick(chooser->GetPopcornBox()));
  EXPECT_TRUE(m_evening->GetAtePopcorn());
  EXPECT_EQ(alpha(), 255u);
}

TEST_F(FilmChooser, WatchingRunsTheEveningWhileClosingLeavesItUnspent) {
  const int slots = SIM_GetSim()->GetSlotsUsed();
  GUI_MovieChooser* chooser = Open();
  ASSERT_NE(chooser, nullptr);
  chooser->Draw();  // a frame lays the close button out
  ASSERT_TRUE(FilmClick(chooser->GetCloseButton()));
  EXPECT_EQ(GUI_MovieChooser::PTheWindow, nullptr);
  EXPECT_EQ(SIM_GetSim()->GetSlotsUsed(), slots);
  EXPECT_EQ(m_evening->GetChosen(), nullptr);

  const int seen = SIM_GetStatistics()->GetIntCounter("MOVIES_SEEN");
  chooser = Open();
  ASSERT_NE(chooser, nullptr);
  GUI_MovieChooser::NextMovie(0);
  SIM_Movie* film = chooser->GetShownMovie();
  ASSERT_TRUE(chooser->GetWatchButton()->IsEnabled());
  ASSERT_TRUE(FilmClick(chooser->GetWatchButton()));
  EXPECT_EQ(GUI_MovieChooser::PTheWindow, nullptr);
  EXPECT_EQ(m_evening->GetChosen(), film);
  EXPECT_TRUE(film->Seen());
  EXPECT_EQ(SIM_GetStatistics()->GetIntCounter("MOVIES_SEEN"), seen + 1);
  EXPECT_EQ(SIM_GetSim()->GetSlotsUsed(), slots + 1);
  EXPECT_NE(GUI_PostMortem::PTheWindow, nullptr) << "the evening's report follows the film";
}

TEST_F(FilmChooser, ASeenFilmCannotBeWatchedAgain) {
  for (SIM_Movie* film : SIM_Movie::CurrentlyShowing) film->SetSeen(true);
  GUI_MovieChooser* chooser = Open();
  ASSERT_NE(chooser, nullptr);
  for (int i = 0; i < SIM_Movie::kShowing; ++i) {
    EXPECT_FALSE(chooser->GetWatchButton()->IsEnabled());
    EXPECT_EQ(chooser->GetWatchButton()->GetText(), GTranslation::GetString("WATCH_MOVIE_SEEN"));
    GUI_MovieChooser::NextMovie(0);
    chooser->UpdateButtonStatus();
  }
  const int seen = SIM_GetStatistics()->GetIntCounter("MOVIES_SEEN");
  GUI_MovieChooser::ChooseMovie(0);  // a stray press: nothing
  EXPECT_EQ(SIM_GetStatistics()->GetIntCounter("MOVIES_SEEN"), seen);
  EXPECT_NE(GUI_MovieChooser::PTheWindow, nullptr);
}

TEST_F(FilmChooser, AnEmptyCinemaOpensAnEmptyChooserThatCannotWatch) {
  SIM_Movie::Open("data/simulation/no_films_here.csv");
  GUI_MovieChooser* chooser = Open();
  ASSERT_NE(chooser, nullptr);
  EXPECT_EQ(chooser->GetShownMovie(), nullptr);
  EXPECT_FALSE(chooser->GetWatchButton()->IsEnabled());
  chooser->Draw();
  GUI_MovieChooser::NextMovie(0);
  chooser->Draw();
  EXPECT_EQ(chooser->GetShownMovie(), nullptr);
}

}  // namespace
