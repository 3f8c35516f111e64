// The bowling team headless: joining and the match dates it brings, a match played on its day, a
// missed match that ends the membership for good, the invitation's two answers, and a member's
// game saved and loaded.
#include <gtest/gtest.h>

#include <string>

#include "../savegame/SaveGameTestSupport.h"
#include "GTranslation.h"
#include "GUI_MatchReport.h"
#include "GUI_PhoneMessage.h"
#include "GUI_TeamInvite.h"
#include "GUI_WindowManager.h"
#include "Game.h"
#include "HeadlessPlayer.h"
#include "HeadlessSolo.h"
#include "SIM_BowlingTeam.h"
#include "SIM_Date.h"
#include "SIM_SIM.h"
#include "SIM_LoadGame.h"
#include "SIM_NamedValue.h"
#include "SIM_SaveGame.h"
#include "SIM_ScheduledEvents.h"
#include "SIM_Vede.h"

void SIM_HookBowlingMatch();

namespace {

class BowlingTeam : public ::testing::Test {
 protected:
  void SetUp() override {
    HeadlessPlayer::StartNewGame(5);
    GetGame()->SetTownName("Elmstead");
    Team()->Reset();
    SIM_GetScheduledEvents()->Clear();
  }
  void TearDown() override {
    GUI_PhoneMessage::ClearAll();
    GUI_GetWindowManager()->CloseAll();
  }

  static SIM_BowlingTeam* Team() { return SIM_GetBowlingTeam(); }
  static int Today() { return SIM_Date::PPresentDay->GetDaysAsInt(); }
  // The days from today of every "bowlingmatch" appointment, in order.
  static std::vector<int> MatchesAhead() {
    std::vector<int> days;
    for (const auto* data : SIM_GetScheduledEvents()->GetEvents()) {
      if (data->key == "bowlingmatch") days.push_back(data->date.GetDaysAsInt() - Today());
    }
    return days;
  }
  static void MoveTo(const SIM_Date& date) { SIM_Date::PPresentDay->Set(&date); }
  static std::vector<GUI_MatchReport*> Reports() {
    std::vector<GUI_MatchReport*> reports;
    for (GUI_WindowBase* window : GUI_GetWindowManager()->GetWindows()) {
      if (auto* report = dynamic_cast<GUI_MatchReport*>(window)) reports.push_back(report);
    }
    return reports;
  }
};

TEST_F(BowlingTeam, JoiningSchedulesTheFirstMatchTenToThirteenDaysAhead) {
  bool seen[4] = {};
  for (int i = 0; i < 40; ++i) {
    SIM_GetScheduledEvents()->Clear();
    Team()->Reset();
    Team()->JoinTeam();
    ASSERT_TRUE(Team()->IsOnTeam());
    ASSERT_TRUE(Team()->HasBeenOnTeam());
    const std::vector<int> ahead = MatchesAhead();
    ASSERT_EQ(ahead.size(), 1u);
    ASSERT_GE(ahead[0], 10);
    ASSERT_LE(ahead[0], 13);
    EXPECT_EQ(Team()->GetNextMatchDate().GetDaysAsInt() - Today(), ahead[0]);
    seen[ahead[0] - 10] = true;
  }
  for (bool s : seen) EXPECT_TRUE(s);
  EXPECT_FLOAT_EQ(SIM_NamedValueList::Globals.GetValue("bowlingteam"), 1.0f);
}

TEST_F(BowlingTeam, AMatchOnItsDayArrangesTheNextAndGainsSkillOnlyAboveHalf) {
  Team()->JoinTeam();
  for (int match = 0; match < 12; ++match) {
    MoveTo(Team()->GetNextMatchDate());
    const float before = SIM_GetVede()->GetValue("bowling");
    SIM_HookBowlingMatch();
    const std::vector<int> ahead = MatchesAhead();
    ASSERT_FALSE(ahead.empty());
    EXPECT_GE(ahead.back(), 10);
    EXPECT_LE(ahead.back(), 13);
    const std::vector<GUI_MatchReport*> reports = Reports();
    ASSERT_EQ(reports.size(), 1u);
    const float score = reports[0]->GetResult();
    EXPECT_GE(score, 0.0f);
    EXPECT_LE(score, 1.0f);
    const float after = SIM_GetVede()->GetValue("bowling");
    if (score > 0.5f) {
      EXPECT_GT(after, before) << score;
    } else {
      EXPECT_EQ(after, before) << score;
    }
    delete reports[0];  // read; the game's own panels stay, as in play
    Team()->NextDay();  // the match was played: still on the team
    EXPECT_TRUE(Team()->IsOnTeam());
  }
}

TEST_F(BowlingTeam, TheScoreSpansHalfTheFormPlusTheDraw) {
  struct Case {
    float form, draw, score;
  } cases[] = {{1.0f, 0.0f, 0.5f}, {1.0f, 0.5f, 1.0f}, {0.0f, 0.0f, 0.0f}, {0.0f, 0.5f, 0.5f}, {0.6f, 0.25f, 0.55f}};
  for (const Case& c : cases) EXPECT_FLOAT_EQ(SIM_BowlingTeam::Score(c.form, c.draw), c.score);
}

TEST_F(BowlingTeam, AMissedMatchEndsTheMembershipForGood) {
  Team()->JoinTeam();
  const float confidence = SIM_GetVede()->GetValue("confidence");
  Team()->NextDay();  // a day on the team before the match
  EXPECT_TRUE(Team()->IsOnTeam());
  EXPECT_GT(SIM_GetVede()->GetValue("confidence"), confidence);

  SIM_Date dayAfter = Team()->GetNextMatchDate();
  dayAfter.IncrementDays(1);
  MoveTo(dayAfter);
  Team()->NextDay();
  EXPECT_FALSE(Team()->IsOnTeam());
  EXPECT_TRUE(Team()->HasBeenOnTeam());
  EXPECT_FLOAT_EQ(SIM_NamedValueList::Globals.GetValue("bowlingteam"), 0.0f);
  ASSERT_FALSE(GUI_PhoneMessage::All.empty());
  const GUI_PhoneMessage* message = GUI_PhoneMessage::All.back();
  EXPECT_EQ(message->GetTexture(), "bowling.dds");
  EXPECT_EQ(message->GetTitle(), GTranslation::GetString("BOWLING_LEAVE_TITLE"));
  EXPECT_EQ(message->GetSender(), GTranslation::GetString("BOWLING_TEAM_SENDER"));
  EXPECT_NE(message->GetText().find("Elmstead"), std::string::npos);
  EXPECT_EQ(message->GetText().find("<TOWNNAME>"), std::string::npos);

  // Off the team, the days pass without a second message.
  const size_t messages = GUI_PhoneMessage::All.size();
  Team()->NextDay();
  EXPECT_EQ(GUI_PhoneMessage::All.size(), messages);
}

TEST_F(BowlingTeam, TheInvitationJoinsOnAcceptAndLeavesAllAsItWasOnReject) {
  GUI_TeamInvite::Create();
  GUI_TeamInvite* first = GUI_TeamInvite::PTheWindow;
  ASSERT_NE(first, nullptr);
  EXPECT_EQ(first->GetTitle(), GTranslation::GetString("BOWLING_TEAM_TITLE"));
  EXPECT_EQ(first->GetText(), GTranslation::GetString("BOWLING_TEAM_TEXT"));
  EXPECT_TRUE(first->IsModal());

  GUI_TeamInvite::Reject(0);
  EXPECT_EQ(GUI_TeamInvite::PTheWindow, nullptr);
  EXPECT_FALSE(Team()->IsOnTeam());
  EXPECT_FALSE(Team()->HasBeenOnTeam());
  EXPECT_TRUE(MatchesAhead().empty());

  GUI_TeamInvite::Create();
  GUI_TeamInvite::Create();  // a second invitation replaces the first
  int open = 0;
  for (GUI_WindowBase* window : GUI_GetWindowManager()->GetWindows()) open += dynamic_cast<GUI_TeamInvite*>(window) != nullptr;
  EXPECT_EQ(open, 1);
  GUI_TeamInvite::Accept(0);
  EXPECT_EQ(GUI_TeamInvite::PTheWindow, nullptr);
  EXPECT_TRUE(Team()->IsOnTeam());
  EXPECT_EQ(MatchesAhead().size(), 1u);
}

TEST_F(BowlingTeam, AMembersGameLoadsWithOneFreshMatchAndSavesTheSameFile) {
  Team()->JoinTeam();
  ASSERT_TRUE(SIM_GetSaveGame()->SaveGame("team")) << SIM_GetSaveGame()->GetLastError();
  const std::string first = savetest::SaveFile("team");

  Team()->Reset();
  ASSERT_TRUE(SIM_GetLoadGame()->LoadGame("team")) << SIM_GetLoadGame()->GetFailureText();
  EXPECT_TRUE(Team()->IsOnTeam());
  EXPECT_TRUE(Team()->HasBeenOnTeam());
  const std::vector<int> ahead = MatchesAhead();
  ASSERT_EQ(ahead.size(), 1u);
  EXPECT_GE(ahead[0], 10);
  EXPECT_LE(ahead[0], 13);
  ASSERT_TRUE(SIM_GetSaveGame()->SaveGame("again"));
  EXPECT_EQ(savetest::SaveFile("again"), first);
}

TEST_F(BowlingTeam, TheHeadlessPlayerKeepsTheMatchOnItsEvening) {
  SIM_GetSim()->SetMode(SIM_SIM::TURNMODE_EVENING);
  EXPECT_FALSE(HeadlessSolo::KeepAppointment()) << "nothing is booked yet";
  Team()->JoinTeam();
  const SIM_Date match = Team()->GetNextMatchDate();
  MoveTo(match);
  SIM_GetSim()->SetMode(SIM_SIM::TURNMODE_EVENING);
  ASSERT_TRUE(HeadlessSolo::KeepAppointment());
  EXPECT_EQ(HeadlessSolo::GetEvenings().at("bowlingmatch"), 1);
  EXPECT_FALSE(Team()->GetNextMatchDate().IsSameDay(match)) << "the match was played and the next one arranged";
  EXPECT_TRUE(Reports().empty()) << "the match report was read and closed, as a player would";
}

}  // namespace
