// The cinema headless: the programme moving through the running order week by week, the rumours of
// plainly good and bad films, reviews that need film knowledge, the table read (and a missing one),
// the two ways to an evening at the films, and the programme and seen films kept by a saved game.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "../savegame/SaveGameTestSupport.h"
#include "GDebug.h"
#include "GUI_MovieChooser.h"
#include "GUI_Sounds.h"
#include "GUI_PostMortem.h"
#include "GUI_WindowManager.h"
#include "HeadlessPlayer.h"
#include "SIM_Attribute.h"
#include "SIM_Date.h"
#include "SIM_LoadGame.h"
#include "SIM_Movie.h"
#include "SIM_NPC.h"
#include "SIM_NamedValue.h"
#include "SIM_OutingInstances.h"
#include "SIM_Rumour.h"
#include "SIM_SIM.h"
#include "SIM_SocialInvitation.h"
#include "SIM_SaveGame.h"
#include "SIM_SocialiseType.h"
#include "SIM_Statistics.h"
#include "SIM_Vede.h"
#include "TestSupport.h"
#include "WorkTestSupport.h"

namespace {

using worktest::CountLogLines;
using worktest::DataPath;

// Films named by one letter, in that running order, showing from the first.
std::vector<SIM_Movie*> CinemaOrder(const std::string& names) {
  SIM_Movie::Close();
  std::vector<SIM_Movie*> films;
  int guid = 1;
  for (char name : names) {
    auto* film = new SIM_Movie;
    film->SetGUIName(std::string(1, name));
    film->SetGUID(guid++);
    SIM_Movie::Movies.push_back(film);
    films.push_back(film);
  }
  SIM_Movie::CurrentMovieIt = SIM_Movie::Movies.begin();
  SIM_Movie::UpdateCurrentlyShowing();
  return films;
}

std::string CinemaProgramme() {
  std::string shown;
  for (SIM_Movie* film : SIM_Movie::CurrentlyShowing) shown += film ? film->GetGUIName() : "-";
  return shown;
}

// One night of the date step on the given day of the week.
void CinemaNight(int dayOfWeek) {
  SIM_Date::PPresentDay->SetDayOfWeek(dayOfWeek);
  SIM_Movie::NextDay();
}

int CinemaRumours() {
  int count = 0;
  for (SIM_Rumour* rumour : SIM_Rumour::All) count += rumour->GetType() == SIM_Rumour::RUMOUR_MOVIE;
  return count;
}

class Cinema : public ::testing::Test {
 protected:
  void SetUp() override { HeadlessPlayer::StartNewGame(5); }
  void TearDown() override { GUI_GetWindowManager()->CloseAll(); }
};

TEST_F(Cinema, TheProgrammeMovesOnOneFilmOnDayFiveOnlyAndComesRound) {
  CinemaOrder("ABCDE");
  EXPECT_EQ(CinemaProgramme(), "ABC");
  for (int day : {0, 1, 2, 3, 4, 6}) CinemaNight(day);
  EXPECT_EQ(CinemaProgramme(), "ABC") << "only the first day after the working week moves it";
  CinemaNight(5);
  EXPECT_EQ(CinemaProgramme(), "BCD");
  for (int week = 0; week < 4; ++week) CinemaNight(5);
  EXPECT_EQ(CinemaProgramme(), "ABC");

  CinemaOrder("AB");
  EXPECT_EQ(CinemaProgramme(), "ABA") << "two films fill three slots by coming round";
}

TEST_F(Cinema, OnlyPlainlyGoodOrBadFilmsStartRumoursAndEachProgrammeReplacesThem) {
  struct Case {
    float quality;
    const char* key;  // the section the rumour comes from, or null for none
  };
  for (const Case& c : {Case{0.29f, "RUMOUR_BAD_MOVIE"}, Case{0.3f, nullptr}, Case{0.7f, nullptr}, Case{0.71f, "RUMOUR_GOOD_MOVIE"}}) {
    SIM_Movie::Close();
    SIM_Rumour::KillRumours(SIM_Rumour::RUMOUR_MOVIE);
    SIM_Movie film;
    film.SetGUIName("Fishbowl");
    film.SetQuality(c.quality);
    film.CreateRumours();
    ASSERT_EQ(CinemaRumours(), c.key ? 1 : 0) << c.quality;
    if (!c.key) continue;
    SIM_Rumour* rumour = SIM_Rumour::All.back();
    EXPECT_EQ(rumour->GetSubject(), &film);
    EXPECT_NE(rumour->GetText().find("Fishbowl"), std::string::npos) << rumour->GetText();
    EXPECT_EQ(rumour->GetText().find('<'), std::string::npos) << "no token left: " << rumour->GetText();
    SIM_Rumour::KillRumours(SIM_Rumour::RUMOUR_MOVIE);
  }
  std::vector<SIM_Movie*> films = CinemaOrder("ABCD");
  for (SIM_Movie* film : films) film->SetQuality(0.9f);
  SIM_Movie::UpdateCurrentlyShowing();
  SIM_Movie::UpdateCurrentlyShowing();
  EXPECT_EQ(CinemaRumours(), 3) << "one per film showing, the last programme's gone";
}

TEST_F(Cinema, AReviewIsReadOnlyWithMoreFilmKnowledgeThanTheFilmAsks) {
  SIM_Movie film;
  film.SetReviewThreshold(0.2f);
  ASSERT_FALSE(SIM_NamedValueList::Globals.HasValue("glob_movieknowledge")) << "a new game knows no films";
  EXPECT_FALSE(film.ReadReview());
  SIM_NamedValueList::ForceGlobal("glob_movieknowledge", 0.2f);
  EXPECT_FALSE(film.ReadReview());
  SIM_NamedValueList::ForceGlobal("glob_movieknowledge", 0.21f);
  EXPECT_TRUE(film.ReadReview());
  film.SetQuality(0.95f);
  film.GenerateReview();
  EXPECT_FALSE(film.GetReview().empty());
}

TEST_F(Cinema, TheTableGivesEveryFilmItsEffectsAndABrokenOrMissingTableOneWarning) {
  ASSERT_GE(SIM_Movie::Movies.size(), 8u) << "the shipped table";
  for (SIM_Movie* film : SIM_Movie::Movies) {
    EXPECT_FALSE(film->GetDescription().empty()) << film->GetGUIName();
    EXPECT_GT(film->GetModifierValue("glob_movieknowledge"), 0.0f) << film->GetGUIName();
  }
  const std::string table = DataPath("simulation/cinema_test.csv");
  testsupport::WriteFile(table,
                         "#,7,Seven,\"A film, with commas.\",,\"happiness,0.1,0.5\",\"boredom,-0.1\"\n"
                         "#,8,,no title,,\n");
  const int before = CountLogLines("a film without a title");
  SIM_Movie::Open("data/simulation/cinema_test.csv");
  EXPECT_EQ(CountLogLines("a film without a title"), before + 1);
  EXPECT_NE(testsupport::ReadFile(GetDebug()->GetPath()).find("cinema_test.csv:2"), std::string::npos);
  ASSERT_EQ(SIM_Movie::Movies.size(), 1u);
  SIM_Movie* seven = SIM_Movie::GetByGUID(7);
  ASSERT_NE(seven, nullptr);
  EXPECT_EQ(seven->GetDescription(), "A film, with commas.");
  EXPECT_FLOAT_EQ(seven->GetModifierValue("boredom"), -0.1f);
  EXPECT_EQ(CinemaProgramme(), "SevenSevenSeven");

  const int empty = CountLogLines("the cinema shows nothing");
  SIM_Movie::Open("data/simulation/no_such_films.csv");
  EXPECT_EQ(CountLogLines("the cinema shows nothing"), empty + 1);
  EXPECT_TRUE(SIM_Movie::Movies.empty());
  EXPECT_EQ(CinemaProgramme(), "---");
  CinemaNight(5);  // a week on with nothing to show
  EXPECT_EQ(CinemaProgramme(), "---");
}

TEST_F(Cinema, AFriendsInvitationCountsAFilmSeenButMarksNoFilm) {
  SIM_SocialiseType* type = SIM_SocialiseType::GetTypeByName("cinema");
  ASSERT_NE(type, nullptr);
  ASSERT_FALSE(SIM_NPC::All.empty());
  SIM_NPC* host = SIM_NPC::All.front();
  const int seen = SIM_GetStatistics()->GetIntCounter("MOVIES_SEEN");
  // Accepted from the inbox, as the player (and the headless player) does.
  SIM_SocialInvitation* invitation = SIM_SocialInvitation::Create(host, type, SIM_SocialInvitation::IMPORTANCE_NORMAL);
  ASSERT_NE(invitation, nullptr);
  invitation->Accept();
  auto* evening = dynamic_cast<SIM_MovieInstance*>(SIM_SocialiseInstance::Create(invitation));
  ASSERT_NE(evening, nullptr) << "a cinema invitation makes a cinema evening";
  EXPECT_EQ(SIM_GetStatistics()->GetIntCounter("MOVIES_SEEN"), seen + 1);
  EXPECT_EQ(GUI_MovieChooser::PTheWindow, nullptr) << "the guest does not choose";
  EXPECT_EQ(evening->GetChosen(), nullptr);
  for (SIM_Movie* film : SIM_Movie::Movies) EXPECT_FALSE(film->Seen()) << film->GetGUIName();
  EXPECT_GE(evening->GetEventQuality(), 0.0f);
  EXPECT_LE(evening->GetEventQuality(), 1.0f);
}

TEST_F(Cinema, AHostedEveningWaitsForTheFilmThenTakesItsQualityAndMarksItSeen) {
  SIM_SocialiseType* type = SIM_SocialiseType::GetTypeByName("cinema");
  ASSERT_NE(type, nullptr);
  const int slots = SIM_GetSim()->GetSlotsUsed();
  const int seen = SIM_GetStatistics()->GetIntCounter("MOVIES_SEEN");
  auto* evening = new SIM_MovieInstance;
  evening->SetType(type);
  evening->SetHost(SIM_GetVede());
  evening->ProcessChunk();
  ASSERT_NE(GUI_MovieChooser::PTheWindow, nullptr);
  EXPECT_EQ(SIM_GetSim()->GetSlotsUsed(), slots) << "nothing runs until a film is watched";
  EXPECT_EQ(SIM_GetStatistics()->GetIntCounter("MOVIES_SEEN"), seen);

  SIM_Movie* film = SIM_Movie::CurrentlyShowing[0];
  film->SetQuality(0.8f);
  evening->SetChosen(film);
  evening->SetAtePopcorn(false);
  evening->WatchMovie();
  EXPECT_TRUE(film->Seen());
  EXPECT_EQ(SIM_GetStatistics()->GetIntCounter("MOVIES_SEEN"), seen + 1);
  EXPECT_FLOAT_EQ(evening->GetEventQuality(), 0.8f);
  EXPECT_EQ(SIM_GetSim()->GetSlotsUsed(), slots + 1);
}

TEST_F(Cinema, PopcornHasItsScriptOnlyWhenTakenAndTheProjectorRunsEitherWay) {
  SIM_SocialiseType* type = SIM_SocialiseType::GetTypeByName("cinema");
  ASSERT_NE(type, nullptr);
  const auto popcornEffects = [] {
    int count = 0;
    for (SIM_Effect* effect : SIM_Effect::All) count += effect->GetDebugName() == "Popcorn";
    return count;
  };
  for (bool popcorn : {false, true}) {
    GUI_PostMortem::Close();  // the report of the evening before
    GUI_GetSounds()->PlaySound("data/sounds/beep.ogg", false);
    const int before = popcornEffects();
    auto* evening = new SIM_MovieInstance;
    evening->SetType(type);
    evening->SetHost(SIM_GetVede());
    evening->SetChosen(SIM_Movie::CurrentlyShowing[popcorn ? 1 : 0]);
    evening->SetAtePopcorn(popcorn);
    evening->WatchMovie();
    EXPECT_EQ(popcornEffects() > before, popcorn) << "popcorn " << popcorn;
    EXPECT_EQ(GUI_GetSounds()->GetLastPlayed(), "data/sounds/projector.ogg") << "popcorn " << popcorn;
  }
}

TEST_F(Cinema, ASavedGameKeepsTheProgrammeAndTheFilmsSeen) {
  std::vector<int> order;
  for (SIM_Movie* film : SIM_Movie::Movies) order.push_back(film->GetGUID());
  CinemaNight(5);
  CinemaNight(5);
  SIM_Movie::CurrentlyShowing[0]->SetSeen(true);
  SIM_Movie::CurrentlyShowing[2]->SetSeen(true);
  const std::string programme = CinemaProgramme();
  const std::string seen = SIM_Movie::GUIDList(true);
  ASSERT_EQ(std::count(seen.begin(), seen.end(), ','), 2);

  ASSERT_TRUE(SIM_GetSaveGame()->SaveGame("cinema")) << SIM_GetSaveGame()->GetLastError();
  const std::string first = savetest::SaveFile("cinema");
  ASSERT_TRUE(SIM_GetLoadGame()->LoadGame("cinema")) << SIM_GetLoadGame()->GetFailureText();
  EXPECT_EQ(CinemaProgramme(), programme);
  EXPECT_EQ(SIM_Movie::GUIDList(true), seen);
  std::vector<int> loaded;
  for (SIM_Movie* film : SIM_Movie::Movies) loaded.push_back(film->GetGUID());
  EXPECT_EQ(loaded, order);
  ASSERT_TRUE(SIM_GetSaveGame()->SaveGame("cinema2"));
  EXPECT_EQ(savetest::SaveFile("cinema2"), first);
}

TEST_F(Cinema, ASavedFilmNoLongerInTheTableIsReportedAndSkipped) {
  std::vector<int> order;
  for (SIM_Movie* film : SIM_Movie::Movies) order.push_back(film->GetGUID());
  const int second = order[1];
  std::vector<int> saved = {9999, second};
  const int before = CountLogLines("the saved film 9999");
  SIM_Movie::Restore(saved, second, {9999, second}, "test.xml:5");
  EXPECT_EQ(CountLogLines("the saved film 9999"), before + 1);
  EXPECT_EQ(SIM_Movie::Movies.size(), order.size()) << "no film is lost";
  EXPECT_EQ(SIM_Movie::Movies.front()->GetGUID(), second);
  EXPECT_EQ(SIM_Movie::CurrentlyShowing[0]->GetGUID(), second);
  EXPECT_TRUE(SIM_Movie::GetByGUID(second)->Seen());
}

}  // namespace
