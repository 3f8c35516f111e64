// The headless player plays the real game for ten years: every yearly review, then the end of the
// game on the six hundredth night, with a clean debug log; and the same seed replays the same
// game. Each game runs in a child process of its own, so both start from a fresh program as two
// runs of vorla2-sim do.
#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <string>
#include <vector>

#include "D3DEngine.h"
#include "GUI_ScreenFader.h"
#include "GUI_GUI.h"
#include "GUI_GameModeBase.h"
#include "GUI_YearlyReview.h"
#include "GDebug.h"
#include "HeadlessJobs.h"
#include "HeadlessPlayer.h"
#include "GTimer.h"
#include "HeadlessClock.h"
#include "HeadlessTownLife.h"
#include "SIM_Statistics.h"
#include "SIM_Crime.h"
#include "SIM_Finances.h"
#include "GUI_Avatar.h"
#include "GUI_MenuNew.h"
#include "GUI_NameEditor.h"
#include "Game.h"
#include "SIM_GameConfig.h"
#include "SIM_JobBase.h"
#include "SIM_NPC.h"
#include "SIM_Relationship.h"
#include "SIM_SIM.h"
#include "SIM_SocialiseEffect.h"
#include "SIM_SocialiseInstance.h"
#include "SIM_Vede.h"
#include "TestSupport.h"

namespace {

struct ChildResult {
  int days = -1;
  int reviews = -1;
  int yearLines = -1;
  bool ended = false;
  unsigned long long digest = 0;
  int problems = -1;
};

// One frame of the game's window: the current mode and the fader drawn, then the flip.
void DrawFrame() {
  D3DEngine* engine = GetD3DEngine();
  engine->BeginRender();
  GUI_GetGUI()->UpdateRenderThrottle();
  if (GUI_GameModeBase* mode = GetGame()->GetCurrentMode()) mode->Draw();
  GUI_GetFader()->Draw();
  engine->EndRender();
  engine->Flip();
}

ChildResult PlayInChild(int days, unsigned seed, bool drawFrames = false) {
  int fds[2];
  if (pipe(fds) != 0) return {};
  pid_t pid = fork();
  if (pid == 0) {
    close(fds[0]);
    if (drawFrames) HeadlessPlayer::SetBetweenPresses(&DrawFrame);
    ChildResult r;
    int lines = 0;
    HeadlessPlayer::Result result = HeadlessPlayer::Run(days, seed, [&lines](const std::string&) { ++lines; });
    r.days = result.days;
    r.reviews = result.reviews;
    r.yearLines = lines;
    r.ended = result.ended;
    r.digest = result.digest;
    r.problems = HeadlessPlayer::CountLogProblems();
    // The parent's failure report shows what the log said.
    for (const std::string& line : HeadlessPlayer::LogProblems()) std::fprintf(stderr, "log: %s\n", line.c_str());
    ssize_t written = write(fds[1], &r, sizeof r);
    _exit(written == (ssize_t)sizeof r ? 0 : 1);
  }
  close(fds[1]);
  ChildResult r;
  ssize_t got = read(fds[0], &r, sizeof r);
  close(fds[0]);
  int status = 0;
  waitpid(pid, &status, 0);
  EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);
  EXPECT_EQ(got, (ssize_t)sizeof r);
  return r;
}

TEST(HeadlessPlayer, TenYearsEndTheGameAndTheSameSeedReplaysTheSameGame) {
  ChildResult first = PlayInChild(600, 1);
  EXPECT_EQ(first.days, 600);
  EXPECT_TRUE(first.ended);
  EXPECT_EQ(first.reviews, 9);     // one at the end of each of the first nine years
  EXPECT_EQ(first.yearLines, 10);  // and the tenth year's line at the end of the game
  EXPECT_EQ(first.problems, 0);

  ChildResult second = PlayInChild(600, 1);
  EXPECT_EQ(second.digest, first.digest);
  EXPECT_EQ(second.problems, 0);
}

// The scenery draws from a stream of its own: a game with a frame drawn between every two presses
// (sky, weather, mess and all, into the recording renderer) is the game played without one.
TEST(HeadlessPlayer, DrawingFramesNeverChangesTheGame) {
  ChildResult plain = PlayInChild(60, 7);
  ChildResult drawn = PlayInChild(60, 7, true);
  EXPECT_EQ(drawn.days, 60);
  EXPECT_EQ(drawn.digest, plain.digest);
  EXPECT_EQ(drawn.problems, 0);
}

// The timed screens' stepped clock: held, it reads only what was stepped; let go, the game's clock
// goes on from there, so a timer running across both never sees time go backwards.
uint32_t g_outerClock = 50000;
uint32_t OuterClock() { return g_outerClock; }
TEST(HeadlessPlayer, TheSteppedClockStartsWhereTheGameIsAndNeverRunsBack) {
  GTimer::SetClock(&OuterClock);
  GTimer timer;
  timer.StartTimer();
  HeadlessClock::Hold();
  g_outerClock += 5000;  // real time passing while the steps play: not counted
  HeadlessClock::Step(30000);
  timer.Update();
  EXPECT_DOUBLE_EQ(timer.GetElapsed(), 30000.0);
  HeadlessClock::Release();
  timer.Update();
  EXPECT_DOUBLE_EQ(timer.GetElapsed(), 30000.0);
  g_outerClock += 1000;
  timer.Update();
  EXPECT_DOUBLE_EQ(timer.GetElapsed(), 31000.0);
  // Held again from the shifted clock: no jump either way.
  HeadlessClock::Hold();
  HeadlessClock::Step(500);
  HeadlessClock::Release();
  timer.Update();
  EXPECT_DOUBLE_EQ(timer.GetElapsed(), 31500.0);
  GTimer::SetClock(nullptr);
}

TEST(HeadlessPlayer, StopsAfterTheNightsAskedFor) {
  HeadlessPlayer::Result result = HeadlessPlayer::Run(45, 3, nullptr);
  EXPECT_EQ(result.days, 45);
  EXPECT_FALSE(result.ended);
  EXPECT_EQ(result.reviews, 0);
  EXPECT_EQ(SIM_GetSim()->GetTurnCount(), 45);
  EXPECT_EQ(SIM_GetSim()->GetTurnMode(), SIM_SIM::TURNMODE_WOKEUP);
  for (const std::string& line : HeadlessPlayer::LogProblems()) ADD_FAILURE() << line;
}

// The player goes out through the social chooser on free evenings: evenings it hosted, each with
// guests dragged in and a report read, and a friend still there when the second year begins.
TEST(HeadlessPlayer, EveningsOutGoThroughTheChooserAndKeepAFriend) {
  HeadlessPlayer::Run(60, 1, nullptr);
  int hosted = 0;
  for (SIM_SocialiseInstance* evening : SIM_SocialiseInstance::All) {
    if (!evening->IsVedeHost()) continue;
    ++hosted;
    EXPECT_FALSE(evening->GetEffects().empty()) << "an evening without guests";
  }
  EXPECT_GT(hosted, 5);
  EXPECT_GE(SIM_GetVede()->CountFriendships(), 1);
  for (const std::string& line : HeadlessPlayer::LogProblems()) ADD_FAILURE() << line;
}

// Friends' invitations reach the player, who goes to most, pleads poverty to some and forgets the
// rest; what it counts is what the game counted. Five months: long enough that a few of the
// one-in-six pleas fall on invitations that cost something, whatever else draws from the seed.
TEST(HeadlessPlayer, AnswersItsFriendsInvitationsInEachOfTheThreeWays) {
  HeadlessPlayer::Run(150, 2, nullptr);
  const HeadlessTownLife::Counts& town = HeadlessTownLife::GetCounts();
  EXPECT_GT(town.accepted, 0);
  EXPECT_GT(town.pleaded, 0);
  EXPECT_GT(town.lapsed, 0);
  EXPECT_EQ(town.posted, town.accepted + town.pleaded + town.lapsed);
  EXPECT_EQ(SIM_GetStatistics()->GetIntCounter("INVITES_ACCEPTED"), town.accepted);
  EXPECT_EQ(SIM_GetStatistics()->GetIntCounter("INVITES_REJECTED"), town.pleaded + town.lapsed);
  for (const std::string& line : HeadlessPlayer::LogProblems()) ADD_FAILURE() << line;
}

// Some evenings go on the job search: applications answered by phone, a better job taken, and
// every step through the real job market, none through a stand-in.
TEST(HeadlessPlayer, HuntsForABetterJobAndTakesOne) {
  HeadlessPlayer::Run(200, 1, nullptr);
  const HeadlessJobs::Counts& jobs = HeadlessJobs::GetCounts();
  EXPECT_GT(jobs.applications, 0);
  EXPECT_GT(jobs.offers, 0);
  EXPECT_GT(jobs.changes, 0);
  EXPECT_LE(jobs.offers + jobs.rejections, jobs.applications);
  EXPECT_GT(SIM_GetVede()->GetJob()->GetMinSalary(), SIM_JobBase::GetJobByGUID(SIM_JobBase::kStartJobGUID)->GetMinSalary());
  const std::string log = testsupport::ReadFile(GetDebug()->GetPath());
  for (const char* mark : {"STAND-IN: SIM_JobOffer", "STAND-IN: SIM_JobUnlocks"}) EXPECT_EQ(log.find(mark), std::string::npos) << mark;
  for (const std::string& line : HeadlessPlayer::LogProblems()) ADD_FAILURE() << line;
}

// A change to any person of the town, visible or gone, or to any link shows in the digest.
// Ten years from the start job on, the fares paid from the pay: the cash never goes below zero, and the
// yearly lines show the way to work and what it cost. No thief comes: a mugging takes nearly all
// the cash, whatever the pay.
TEST(HeadlessPlayer, TheStartJobPaysForTheCommuteEveryDayOfTenYears) {
  int fds[2];
  ASSERT_EQ(pipe(fds), 0);
  pid_t pid = fork();
  if (pid == 0) {
    close(fds[0]);
    HeadlessPlayer::StartNewGame(1);
    SIM_GetCrime()->SetDaysToNextMugging(1000000);
    SIM_GetCrime()->SetDaysToNextBurglary(1000000);
    float lowest = SIM_GetFinances()->GetCash();
    for (int day = 0; day < 600; ++day) {
      HeadlessPlayer::NIGHT night = HeadlessPlayer::PlayDay();
      lowest = std::min(lowest, SIM_GetFinances()->GetCash());
      if (night == HeadlessPlayer::NIGHT_GAMEOVER) break;
      if (night == HeadlessPlayer::NIGHT_YEARLYREVIEW) GUI_YearlyReview::Continue(0);
    }
    const std::string line = HeadlessPlayer::YearLine(1);
    const bool shown = line.find(" commute=") != std::string::npos && line.find(" fares=") != std::string::npos;
    const int ok = lowest >= 0.0f && shown;
    if (!ok) std::fprintf(stderr, "lowest cash %.2f, year line: %s\n", (double)lowest, line.c_str());
    _exit(write(fds[1], &ok, sizeof ok) == (ssize_t)sizeof ok ? 0 : 1);
  }
  close(fds[1]);
  int ok = 0;
  ssize_t got = read(fds[0], &ok, sizeof ok);
  close(fds[0]);
  int status = 0;
  waitpid(pid, &status, 0);
  EXPECT_EQ(got, (ssize_t)sizeof ok);
  EXPECT_TRUE(ok);
}

TEST(HeadlessPlayer, TheDigestCoversEveryPersonAndLink) {
  HeadlessPlayer::Run(3, 5, nullptr);
  SIM_NPC::All.front()->Hide();  // a friend and the circle only it linked leave
  ASSERT_FALSE(SIM_NPC::Hidden.empty());
  ASSERT_FALSE(SIM_NPC::All.empty());
  std::vector<SIM_NPC*> town(SIM_NPC::All.begin(), SIM_NPC::All.end());
  town.insert(town.end(), SIM_NPC::Hidden.begin(), SIM_NPC::Hidden.end());
  for (SIM_NPC* npc : town) {
    const uint64_t before = HeadlessPlayer::Digest();
    npc->AddCash(1.0f);
    EXPECT_NE(HeadlessPlayer::Digest(), before) << npc->GetFullName();
  }
  for (SIM_Relationship* link : SIM_Relationship::All) {
    const uint64_t before = HeadlessPlayer::Digest();
    link->AdjustBalance(1.0f);
    EXPECT_NE(HeadlessPlayer::Digest(), before);
  }
}

// The game is set up through the new-game screen: its names, layers and tints are in the digest,
// and they follow from the seed.
TEST(HeadlessPlayer, TheNewGameScreenSetsTheCharacterAndTheDigestCoversIt) {
  HeadlessPlayer::Run(1, 5, nullptr);
  SIM_GameConfig* config = SIM_GetGameConfig();
  GUI_MenuNew* screen = GUI_MenuNew::Get();
  EXPECT_STREQ(config->GetAvatarForeName().c_str(), screen->GetForenameEditor()->GetName());
  EXPECT_STREQ(config->GetAvatarLastName().c_str(), screen->GetSurnameEditor()->GetName());
  EXPECT_STREQ(GetGame()->GetTownName().c_str(), screen->GetTownEditor()->GetName());
  EXPECT_EQ(SIM_GetVede()->GetForeName(), config->GetAvatarForeName());

  uint64_t before = HeadlessPlayer::Digest();
  config->SetAvatarLastName(config->GetAvatarLastName() + "e");
  EXPECT_NE(HeadlessPlayer::Digest(), before) << "surname";
  GUI_Avatar* avatar = GUI_GetAvatar();
  for (int slot = 0; slot < AVATAR_LAYER_COUNT; ++slot) {
    GUI_AvatarLayer* layer = avatar->GetLayer(slot);
    ASSERT_NE(layer, nullptr) << slot;
    before = HeadlessPlayer::Digest();
    const LibColor tint = layer->GetColorTint();
    layer->SetColors(tint.r ^ 1, tint.g, tint.b, 255);
    EXPECT_NE(HeadlessPlayer::Digest(), before) << "tint of " << layer->GetGUIName();
  }
  GUI_AvatarLayer* other = nullptr;
  for (GUI_AvatarLayer* layer : GUI_AvatarLayer::All)
    if (layer->GetType() == AVATAR_HAIRTOP && layer != avatar->GetLayer(AVATAR_HAIRTOP) &&
        layer->GetGender() == avatar->GetLayer(AVATAR_SKIN)->GetGender())
      other = layer;
  ASSERT_NE(other, nullptr);
  before = HeadlessPlayer::Digest();
  avatar->SetLayer(AVATAR_HAIRTOP, other);
  EXPECT_NE(HeadlessPlayer::Digest(), before) << "hair";
}

}  // namespace
