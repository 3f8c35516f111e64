// A game saved, loaded and saved again gives the same file byte for byte, after one night, after
// two hundred and after nearly ten years; the texts a player types and the numbers of the
// simulation come back exactly; and a game saved in the middle of a day goes on from that turn.
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cstdint>
#include <cstdio>

#include "GUI_CommuteBackScreen.h"
#include "GUI_WokeUpScreen.h"
#include "Game.h"
#include "SIM_Attribute.h"
#include "SIM_Date.h"
#include "SIM_Finances.h"
#include "SIM_NPC.h"
#include "SIM_Relationship.h"
#include "SIM_Romance.h"
#include "SIM_SIM.h"
#include "SIM_Vede.h"
#include "SaveGameTestSupport.h"

namespace {

using savetest::PlayNights;
using savetest::SaveFile;

class RoundTrip : public ::testing::TestWithParam<int> {};

TEST_P(RoundTrip, SaveLoadSaveGivesTheSameFile) {
  PlayNights(GetParam());
  const int friends = SIM_GetVede()->CountFriendships();
  const int links = SIM_GetVede()->CountRelationships();
  const size_t npcs = SIM_NPC::All.size();
  const int turns = SIM_GetSim()->GetTurnCount();
  ASSERT_GT(links, 0);

  ASSERT_TRUE(SIM_GetSaveGame()->SaveGame("trip")) << SIM_GetSaveGame()->GetLastError();
  const std::string first = SaveFile("trip");
  EXPECT_FALSE(testsupport::Exists(SIM_SaveGame::PathOf("trip") + ".tmp"));
  ASSERT_TRUE(SIM_GetLoadGame()->LoadGame("trip")) << SIM_GetLoadGame()->GetFailureText();
  ASSERT_TRUE(SIM_GetSaveGame()->SaveGame("again"));
  EXPECT_EQ(SaveFile("again"), first);

  // The player keeps its friends (the links name it by its saved identity) and the town its people.
  EXPECT_EQ(SIM_GetVede()->CountFriendships(), friends);
  EXPECT_EQ(SIM_GetVede()->CountRelationships(), links);
  EXPECT_EQ(SIM_NPC::All.size(), npcs);
  EXPECT_EQ(SIM_GetSim()->GetTurnCount(), turns);
  EXPECT_EQ(GetGame()->GetGameMode(), Game::GAMEMODE_INGAME);
  EXPECT_EQ(GetGame()->GetCurrentGameName(), "trip");
  EXPECT_TRUE(GetGame()->GetGameInProgress());

  const std::vector<std::string> expected = {
      "header",  "game",       "vede",    "finances", "npcs",     "relationships", "job_instance",   "jobs_applied",
      "jobs_offered", "jobs_unlocked", "jobdistances", "vorla", "commute", "assets", "magazines", "crime",
      "date",    "globals",    "health",  "romance",  "statistics", "alcohol",     "books",          "events",
      "achievements", "bowling", "classes", "unlocks", "pets", "petmeals", "SIM_SIM", "movies",
      "eventqualities", "foodmemories", "crossword", "misc", "turn", "appointments"};
  EXPECT_EQ(savetest::Sections(first), expected);
  // Every kind of pet is kept, owned or not, the first with its asset's name.
  EXPECT_NE(first.find("\n<pets>\n<pet>\n<name>"), std::string::npos);
  // The venues' weekly bands and the guests' memories of evenings are kept.
  EXPECT_NE(first.find("\n<eventqualities>\n<event>\n<owner>"), std::string::npos);
  if (GetParam() > 1) {
    EXPECT_NE(first.find("\n<memory>\n<type>"), std::string::npos);
  }

  // The game plays on from the loaded morning.
  EXPECT_EQ(SIM_GetSim()->GetTurnMode(), SIM_SIM::TURNMODE_WOKEUP);
  EXPECT_TRUE(GUI_WokeUpScreen::IsOpen());
  savetest::PlayNights(1, 0, false);
  EXPECT_EQ(SIM_GetSim()->GetTurnCount(), turns + 1);
  savetest::ExpectCleanLog();
}

INSTANTIATE_TEST_SUITE_P(Nights, RoundTrip, ::testing::Values(1, 200, 599));

TEST(SaveValues, TextsAPlayerTypesComeBackByteForByte) {
  PlayNights(1);
  GetGame()->SetTownName("Bath & <Wells>");
  GetGame()->SetCurrency("\xA3");  // the pound sign of the game's single-byte text
  SIM_GetVede()->SetNames("Alex ", "Tw\r\no");
  ASSERT_TRUE(SIM_GetSaveGame()->SaveGame("texts"));
  const std::string text = SaveFile("texts");
  EXPECT_NE(text.find("<TownName>Bath &amp; &lt;Wells&gt;</TownName>\n"), std::string::npos);
  EXPECT_NE(text.find("<Currency>\xA3</Currency>\n"), std::string::npos);
  EXPECT_NE(text.find("<forename>Alex </forename>\n"), std::string::npos);
  EXPECT_NE(text.find("<surname>Tw&#13;&#10;o</surname>\n"), std::string::npos);

  GetGame()->SetTownName("Elsewhere");
  GetGame()->SetCurrency("$");
  SIM_GetVede()->SetNames("Sam", "Lee");
  ASSERT_TRUE(SIM_GetLoadGame()->LoadGame("texts")) << SIM_GetLoadGame()->GetFailureText();
  EXPECT_EQ(GetGame()->GetTownName(), "Bath & <Wells>");
  EXPECT_STREQ(GetGame()->GetCurrency(), "\xA3");
  EXPECT_EQ(SIM_GetVede()->GetForeName(), "Alex ");
  EXPECT_EQ(SIM_GetVede()->GetSurName(), "Tw\r\no");
  EXPECT_EQ(SIM_GetVede()->GetFullName(), "Alex  Tw\r\no");
}

// A slow fade (a degrade a hair below 1) keeps fading after a load, and the graph keeps the newest
// values, not the oldest.
TEST(SaveValues, ARomanceComesBackWithItsPartner) {
  PlayNights(1);
  SIM_NPC* partner = nullptr;
  for (SIM_NPC* npc : SIM_NPC::All)
    if (npc->IsIntroduced()) partner = npc;
  ASSERT_NE(partner, nullptr);
  SIM_GetRomance()->SetRomanticPartner(partner);
  SIM_GetRomance()->SetRomanceDuration(12);
  SIM_GetRomance()->SetCynicism(0.3125f);
  SIM_GetRomance()->SetDaysApart(3);
  const int slid = partner->GetSLID();
  ASSERT_TRUE(SIM_GetSaveGame()->SaveGame("love"));
  SIM_GetRomance()->SetRomanticPartner(nullptr);
  ASSERT_TRUE(SIM_GetLoadGame()->LoadGame("love"));
  ASSERT_NE(SIM_GetRomance()->GetPartner(), nullptr);
  EXPECT_EQ(SIM_GetRomance()->GetPartner()->GetSLID(), slid);
  EXPECT_EQ(SIM_GetRomance()->GetRomanceDuration(), 12);
  EXPECT_EQ(SIM_GetRomance()->GetCynicism(), 0.3125f);
  EXPECT_EQ(SIM_GetRomance()->GetDaysApart(), 3);
  ASSERT_TRUE(SIM_GetSaveGame()->SaveGame("love2"));
  EXPECT_EQ(SaveFile("love2"), SaveFile("love"));
  savetest::ExpectCleanLog();
}

TEST(SaveValues, FloatsAndTheNewestHistoryComeBackExactly) {
  PlayNights(1);
  SIM_Attribute* attribute = SIM_Attribute::All.front();
  const std::string name = attribute->GetName();
  std::vector<float>& history = attribute->GetHistory();
  history.clear();
  for (int i = 0; i < 100; ++i) history.push_back((float)i / 97.0f);
  attribute->AttachEffect(0.123456789f, 0.9995f, "a slow fade");
  SIM_GetFinances()->SetCash(1234.5678f);
  ASSERT_TRUE(SIM_GetSaveGame()->SaveGame("floats"));
  ASSERT_TRUE(SIM_GetLoadGame()->LoadGame("floats"));

  SIM_Attribute* loaded = SIM_Attribute::GetAttribute(name);
  ASSERT_NE(loaded, nullptr);
  ASSERT_EQ(loaded->GetHistory().size(), 60u);
  EXPECT_EQ(loaded->GetHistory().front(), 40.0f / 97.0f);
  EXPECT_EQ(loaded->GetHistory().back(), 99.0f / 97.0f);
  const auto& effects = loaded->GetEffects();
  auto fade = std::find_if(effects.begin(), effects.end(), [](const SIM_Effect* e) { return e->GetDebugName() == "a slow fade"; });
  ASSERT_NE(fade, effects.end());
  EXPECT_EQ((*fade)->GetDegrade(), 0.9995f);
  EXPECT_EQ((*fade)->GetEffect(), 0.123456789f);
  EXPECT_EQ(SIM_GetFinances()->GetCash(), 1234.5678f);
}

// Saved on the way home, the game reopens that page: the work day is not played, nor paid, again.
TEST(SaveTurn, ADaySavedAfterWorkReopensItsPageAndIsPaidOnce) {
  HeadlessPlayer::StartNewGame(1);
  while (!HeadlessPlayer::IsWorkingDay()) HeadlessPlayer::PlayDay();
  SIM_SIM* sim = SIM_GetSim();
  sim->ProcessCommuteIn();
  const float beforeWork = SIM_GetFinances()->GetCash();
  sim->ProcessWorkDay();
  sim->ProcessCommuteBack();
  ASSERT_EQ(sim->GetTurnMode(), SIM_SIM::TURNMODE_COMMUTEBACK);
  const float afterWork = SIM_GetFinances()->GetCash();
  ASSERT_GT(afterWork, beforeWork);  // the day's pay, less the fare home
  const int turns = sim->GetTurnCount();

  ASSERT_TRUE(SIM_GetSaveGame()->SaveGame("on the way home"));
  ASSERT_TRUE(SIM_GetLoadGame()->LoadGame("on the way home"));
  EXPECT_EQ(sim->GetTurnMode(), SIM_SIM::TURNMODE_COMMUTEBACK);
  EXPECT_TRUE(GUI_CommuteBackScreen::IsOpen());
  EXPECT_FALSE(GUI_WokeUpScreen::IsOpen());
  EXPECT_EQ(SIM_GetFinances()->GetCash(), afterWork);

  HeadlessPlayer::PlayToEndOfDay();
  EXPECT_EQ(sim->GetTurnMode(), SIM_SIM::TURNMODE_DAYENDED);
  EXPECT_LE(SIM_GetFinances()->GetCash(), afterWork);
  EXPECT_EQ(sim->GetTurnCount(), turns);
  savetest::ExpectCleanLog();
}

// The autosave is taken in the night; loaded, it is the morning after that night, exactly as the
// game that went on had it.
TEST(SaveTurn, TheNightlyAutosaveLoadsAsTheNextMorning) {
  PlayNights(5);
  ASSERT_TRUE(SIM_GetSaveGame()->SaveGame("morning"));
  ASSERT_TRUE(SIM_GetLoadGame()->LoadGame("autosave")) << SIM_GetLoadGame()->GetFailureText();
  EXPECT_EQ(SIM_GetSim()->GetTurnMode(), SIM_SIM::TURNMODE_WOKEUP);
  EXPECT_TRUE(GUI_WokeUpScreen::IsOpen());
  EXPECT_FALSE(SIM_GetSim()->IsNight());
  ASSERT_TRUE(SIM_GetSaveGame()->SaveGame("again"));
  EXPECT_EQ(SaveFile("again"), SaveFile("morning"));
  savetest::ExpectCleanLog();
}

// Ten years with the game saved and loaded back every fiftieth morning, in a fresh process each
// time as two runs of vorla2-sim: the game ends, the log stays clean, and the runs agree.
struct Reloaded {
  bool ended = false;
  int problems = -1;
  uint64_t digest = 0;
};

Reloaded PlayReloadingInChild() {
  int fds[2];
  if (pipe(fds) != 0) return {};
  const pid_t pid = fork();
  if (pid == 0) {
    close(fds[0]);
    const HeadlessPlayer::Result result = HeadlessPlayer::Run(600, 1, nullptr, 50);
    Reloaded r{result.ended, HeadlessPlayer::CountLogProblems(), result.digest};
    for (const std::string& line : HeadlessPlayer::LogProblems()) std::fprintf(stderr, "log: %s\n", line.c_str());
    _exit(write(fds[1], &r, sizeof r) == (ssize_t)sizeof r ? 0 : 1);
  }
  close(fds[1]);
  Reloaded r;
  const ssize_t got = read(fds[0], &r, sizeof r);
  close(fds[0]);
  int status = 0;
  waitpid(pid, &status, 0);
  EXPECT_EQ(got, (ssize_t)sizeof r);
  return r;
}

TEST(SaveReload, TenYearsReloadedEveryFiftyMorningsEndAndReplay) {
  const Reloaded first = PlayReloadingInChild();
  EXPECT_TRUE(first.ended);
  EXPECT_EQ(first.problems, 0);
  const Reloaded second = PlayReloadingInChild();
  EXPECT_EQ(second.digest, first.digest);
}

// Saving twice under one name replaces the file, and the counter of identities is the same both
// times when nobody was made in between.
TEST(SaveFolder, SavingAgainReplacesTheFileAndTheListingIsSorted) {
  PlayNights(1);
  for (const char* name : {"zebra", "alpha", "mid life"}) ASSERT_TRUE(SIM_GetSaveGame()->SaveGame(name));
  const std::string first = SaveFile("alpha");
  ASSERT_TRUE(SIM_GetSaveGame()->SaveGame("alpha"));
  EXPECT_EQ(SaveFile("alpha"), first);
  const std::vector<std::string> saves = SIM_SaveGame::ListSaves();
  const std::vector<std::string> expected = {"alpha", "autosave", "mid life", "zebra"};
  EXPECT_EQ(saves, expected);

  EXPECT_TRUE(SIM_SaveGame::DeleteSave("zebra"));
  EXPECT_FALSE(SIM_SaveGame::Exists("zebra"));
  EXPECT_FALSE(SIM_SaveGame::DeleteSave("zebra"));
  EXPECT_FALSE(SIM_GetSaveGame()->SaveGame(""));
  EXPECT_FALSE(SIM_GetSaveGame()->GetLastError().empty());
}

}  // namespace
