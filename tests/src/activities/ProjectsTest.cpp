// The long projects, their royalties and the drinking habit headless: a project's judgement and
// its table of outcomes, the evenings of each project, the weekly cheques and their report, the
// thresholds of drinking, and all of it through a save, a load and a new game.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "../savegame/SaveGameTestSupport.h"
#include "GDebug.h"
#include "GUI_Message.h"
#include "GUI_PhoneMessage.h"
#include "GUI_ProjectDetails.h"
#include "GUI_RoyaltyReport.h"
#include "GUI_WindowManager.h"
#include "HeadlessPlayer.h"
#include "SIM_Alcohol.h"
#include "SIM_Attribute.h"
#include "SIM_Date.h"
#include "SIM_Finances.h"
#include "SIM_GlobalVariable.h"
#include "SIM_NPC.h"
#include "SIM_NamedValue.h"
#include "SIM_Projects.h"
#include "SIM_RoyaltyStream.h"
#include "SIM_SIM.h"
#include "SIM_ScheduledEvents.h"
#include "SIM_Vede.h"

void SIM_HookAlcoholMeeting();

namespace {

class Projects : public ::testing::Test {
 protected:
  void SetUp() override {
    HeadlessPlayer::StartNewGame(3);
    SIM_GetScheduledEvents()->Clear();
  }
  void TearDown() override {
    GUI_PhoneMessage::ClearAll();
    GUI_GetWindowManager()->CloseAll();
  }

  static std::vector<std::string> MessageTexts() {
    std::vector<std::string> texts;
    for (GUI_WindowBase* window : GUI_GetWindowManager()->GetWindows())
      if (auto* message = dynamic_cast<GUI_Message*>(window)) texts.push_back(message->GetText());
    return texts;
  }
  static bool Earned(const std::string& key) {
    const auto& keys = SIM_AchievementBase::AchievementStrings;
    return std::find(keys.begin(), keys.end(), key) != keys.end();
  }
  static void SetAttribute(const char* name, float value) { SIM_Attribute::GetAttribute(name)->SetValue(value); }
  static int RoyaltyMessages() {
    int n = 0;
    for (GUI_PhoneMessage* message : GUI_PhoneMessage::All) n += message->GetType() == GUI_PhoneMessage::PHONE_ROYALTIES;
    return n;
  }
  static std::vector<int> MeetingsAhead() {
    std::vector<int> days;
    for (const auto* data : SIM_GetScheduledEvents()->GetEvents())
      if (data->key == "alcoholicsmeeting") days.push_back(data->date.GetDaysAsInt() - SIM_Date::PPresentDay->GetDaysAsInt());
    return days;
  }
};

// ---------------------------------------------------------------------------------------------
// The judgement

struct Outcome {
  SIM_AchievementBase* (*project)();
  const char* success;
  const char* failure;
};
const Outcome kOutcomes[] = {
    {[]() -> SIM_AchievementBase* { return SIM_GetScienceTheory(); }, "ACH_THEORY_SUC", "ACH_THEORY_FAI"},
    {[]() -> SIM_AchievementBase* { return SIM_GetNewsStory(); }, "ACH_STORY_SUC", "ACH_STORY_FAI"},
    {[]() -> SIM_AchievementBase* { return SIM_GetScreenplayWriting(); }, "ACH_SCRE_SUC", "ACH_SCRE_FAI"},
    {[]() -> SIM_AchievementBase* { return SIM_GetSongWriting(); }, "ACH_SON_SUC", "ACH_SON_FAI"},
};

// Samples all 0 always fail and all 1.0 always succeed; either way the project starts again at 0
// with its title in the message, and only a successful screenplay or song begins a royalty stream.
TEST_F(Projects, AllZeroSamplesFailAndAllOnesSucceedThenTheProjectStartsAgain) {
  for (size_t i = 0; i < std::size(kOutcomes); ++i) {
    for (float sample : {0.0f, 1.0f}) {
      SCOPED_TRACE(std::to_string(i) + (sample > 0.5f ? " success" : " failure"));
      SIM_AchievementBase::Open();
      SIM_RoyaltyStream::Close();
      GUI_GetWindowManager()->CloseAll();
      SIM_AchievementBase* project = kOutcomes[i].project();
      project->Restore(0.95f, 0.0f, "The Title Of It", {sample, sample, sample});
      EXPECT_TRUE(project->AddProgress(0.2f));
      EXPECT_FLOAT_EQ(project->GetProgress(), 0.0f);
      EXPECT_TRUE(project->GetChunks().empty());
      EXPECT_FLOAT_EQ(project->GetStoredQuality(), 0.0f);
      EXPECT_TRUE(Earned(sample > 0.5f ? kOutcomes[i].success : kOutcomes[i].failure));
      EXPECT_FALSE(Earned(sample > 0.5f ? kOutcomes[i].failure : kOutcomes[i].success));
      const std::vector<std::string> texts = MessageTexts();
      ASSERT_EQ(texts.size(), 1u);
      EXPECT_NE(texts[0].find("\"The Title Of It\""), std::string::npos) << texts[0];
      const bool pays = sample > 0.5f && i >= 2;
      EXPECT_EQ(SIM_RoyaltyStream::All.size(), pays ? 1u : 0u);
      if (pays) {
        EXPECT_EQ(SIM_RoyaltyStream::All.front()->GetGUIName(), "The Title Of It");
      }
    }
  }
}

TEST_F(Projects, AnAchievementEarnedTwiceIsListedOnceAndANewGameForgetsThem) {
  SIM_AchievementBase::AddAchievement("ACH_BURGLED");
  SIM_AchievementBase::AddAchievement("ACH_BURGLED");
  SIM_AchievementBase::AddAchievement("ACH_CAT_OWNED");
  EXPECT_EQ(SIM_AchievementBase::AchievementStrings, (std::vector<std::string>{"ACH_BURGLED", "ACH_CAT_OWNED"}));
  SIM_GetScienceTheory()->Restore(0.5f, 0.0f, "Half a theory", {0.3f});
  HOOK_GetAlcohol()->Restore(0.7f, true, 1.2f);
  SIM_GetSim()->Reset();
  EXPECT_TRUE(SIM_AchievementBase::AchievementStrings.empty());
  // The last game's work and habits stay with it.
  EXPECT_FLOAT_EQ(SIM_GetScienceTheory()->GetProgress(), 0.0f);
  EXPECT_TRUE(SIM_GetScienceTheory()->GetChunks().empty());
  EXPECT_FALSE(HOOK_GetAlcohol()->IsAlcoholic());
  EXPECT_FLOAT_EQ(HOOK_GetAlcohol()->GetBloodAlcohol(), 0.0f);
}

// ---------------------------------------------------------------------------------------------
// The evenings

TEST_F(Projects, AStoryWithoutRecentContactsAddsAZeroSampleAndNoProgress) {
  for (SIM_NPC* npc : SIM_NPC::All) npc->SetDaysSinceSeen(25);
  ASSERT_EQ(SIM_NPC::CountRecentContacts(), 0);
  SIM_NewsStory* story = SIM_GetNewsStory();
  story->Restore(0.3f, 0.0f, "A story", {});
  story->Develop();
  ASSERT_EQ(story->GetChunks().size(), 1u);
  EXPECT_FLOAT_EQ(story->GetChunks()[0], 0.0f);
  EXPECT_FLOAT_EQ(story->GetProgress(), 0.3f);
  ASSERT_NE(GUI_JournalistStoryDetails::PTheWindow, nullptr);
  EXPECT_EQ(GUI_JournalistStoryDetails::PTheWindow->GetContactsShown(), 0);
}

TEST_F(Projects, TheStoryDialogShowsAtMostTwentyContacts) {
  int introduced = 0;
  for (SIM_NPC* npc : SIM_NPC::All) {
    npc->SetIntroduced(true);
    npc->SetDaysSinceSeen(0);
    ++introduced;
  }
  while (introduced < 25) {
    SIM_NPC* npc = SIM_NPC::Create();
    npc->SetIntroduced(true);
    npc->SetDaysSinceSeen(0);
    ++introduced;
  }
  ASSERT_GE(SIM_NPC::CountRecentContacts(), 25);
  GUI_JournalistStoryDetails::Create();
  GUI_JournalistStoryDetails::Create();  // replaces the open one
  EXPECT_EQ(GUI_JournalistStoryDetails::PTheWindow->GetContactsShown(), 20);
}

// Happiness 0.5 writes a song of no quality; very happy or very unhappy writes a good one.
TEST_F(Projects, ASongIsBestWrittenVeryHappyOrVeryUnhappy) {
  const struct {
    float happiness;
    float least, most;
  } cases[] = {{0.5f, 0.0f, 0.0f}, {0.0f, 0.95f, 1.0f}, {1.0f, 0.95f, 1.0f}, {0.75f, 0.475f, 0.525f}};
  SIM_SongWriting* song = SIM_GetSongWriting();
  for (const auto& c : cases) {
    song->Restore(0.0f, 0.0f, "A song", {});
    SetAttribute("happiness", c.happiness);
    song->Write();
    ASSERT_EQ(song->GetChunks().size(), 1u);
    EXPECT_GE(song->GetChunks()[0], c.least) << c.happiness;
    EXPECT_LE(song->GetChunks()[0], c.most) << c.happiness;
  }
}

// An evening that finishes the theory shows the outcome and no progress dialog; one that does not
// shows the dialog with the progress as it now stands.
TEST_F(Projects, ATheoryEveningOpensItsDialogUnlessItFinishesTheTheory) {
  SIM_ScienceTheory* theory = SIM_GetScienceTheory();
  theory->Restore(0.0f, 0.0f, "A theory", {});
  theory->Develop();
  ASSERT_NE(GUI_ScienceTheoryDetails::PTheWindow, nullptr);
  EXPECT_EQ(GUI_ScienceTheoryDetails::PTheWindow->GetProgressLine(),
            GFormat("Progress: %.2f%%", (double)(theory->GetProgress() * 100.0f)));
  delete GUI_ScienceTheoryDetails::PTheWindow;
  EXPECT_EQ(GUI_ScienceTheoryDetails::PTheWindow, nullptr);

  theory->Restore(5.0f, 0.0f, "A theory", {0.5f});  // anything more finishes it
  theory->Develop();
  EXPECT_EQ(GUI_ScienceTheoryDetails::PTheWindow, nullptr);
  EXPECT_FLOAT_EQ(theory->GetProgress(), 0.0f);
  EXPECT_EQ(MessageTexts().size(), 1u);
}

// ---------------------------------------------------------------------------------------------
// Royalties

TEST_F(Projects, StreamsOfAHundredAndAHalfPayAboutAHundredAndListOneRow) {
  SIM_RoyaltyStream::NextWeekAll();
  EXPECT_EQ(RoyaltyMessages(), 0);  // nothing paid, nothing said

  SIM_RoyaltyStream::Create("A Very Long Screenplay Title Indeed", 100.0f, SIM_RoyaltyStream::TYPE_SCREENPLAY);
  SIM_RoyaltyStream::Create("Small", 0.5f, SIM_RoyaltyStream::TYPE_SONG);
  const float cash = SIM_GetFinances()->GetCash();
  SIM_RoyaltyStream::NextWeekAll();
  const float paid = SIM_GetFinances()->GetCash() - cash;
  EXPECT_GE(paid, 95.0f);
  EXPECT_LE(paid, 110.0f);
  EXPECT_EQ(RoyaltyMessages(), 1);
  const float degrade = SIM_GetGlobalVariables()->Get("GV_ROYALTY_DEGRADE");
  EXPECT_FLOAT_EQ(SIM_RoyaltyStream::All.front()->GetIncome(), 100.0f * (1.0f - degrade));
  EXPECT_FLOAT_EQ(SIM_RoyaltyStream::All.back()->GetLastCheque(), 0.0f);

  GUI_RoyaltyReport::Create();
  GUI_RoyaltyReport* report = GUI_RoyaltyReport::PTheWindow;
  ASSERT_NE(report, nullptr);
  ASSERT_EQ(report->GetNameLines().size(), 1u);
  EXPECT_EQ(report->GetNameLines()[0], "A Very Long Screenplay Tit...");
  EXPECT_EQ(report->GetAmountLines()[0], report->GetTotalLine());
  GUI_RoyaltyReport::Close();
  EXPECT_EQ(GUI_RoyaltyReport::PTheWindow, nullptr);
}

// ---------------------------------------------------------------------------------------------
// Drinking

TEST_F(Projects, BloodAlcoholRisesOnlyAboveThreeQuartersAndMakesAnAlcoholicOnlyAboveOne) {
  SIM_Alcohol* alcohol = HOOK_GetAlcohol();
  const float gain = SIM_GetGlobalVariables()->Get("GV_BLOODALCOHOL_GAINRATE");
  const float recover = SIM_GetGlobalVariables()->Get("GV_BLOODALCOHOL_RECOVER");
  alcohol->Restore(0.0f, false, 0.5f);
  SetAttribute("alcohol", 0.75f);
  alcohol->Process();
  EXPECT_FLOAT_EQ(alcohol->GetBloodAlcohol(), 0.5f - recover);
  SetAttribute("alcohol", 0.76f);
  alcohol->Process();
  EXPECT_FLOAT_EQ(alcohol->GetBloodAlcohol(), 0.5f - recover + gain);

  alcohol->Restore(0.0f, false, 1.0f - gain);
  alcohol->Process();  // exactly 1.0 is not yet too much
  EXPECT_FALSE(alcohol->IsAlcoholic());
  EXPECT_FALSE(Earned("ACH_BECOME_ALCOHOLIC"));
  alcohol->Process();
  EXPECT_TRUE(alcohol->IsAlcoholic());
  EXPECT_FLOAT_EQ(alcohol->GetAddictionStrength(), 1.0f);
  EXPECT_TRUE(Earned("ACH_BECOME_ALCOHOLIC"));
  EXPECT_FLOAT_EQ(SIM_NamedValueList::Globals.GetValue("alcoholic"), 1.0f);
  const std::vector<int> ahead = MeetingsAhead();
  ASSERT_EQ(ahead.size(), 1u);
  SIM_Date meeting;
  meeting.Set(SIM_Date::PPresentDay);
  meeting.IncrementDays(ahead[0]);
  EXPECT_EQ(meeting.GetDayOfWeek(), 1);
  EXPECT_LT(ahead[0], 7);
  if (SIM_Date::PPresentDay->GetDayOfWeek() == 1) {
    EXPECT_EQ(ahead[0], 0);
  }
}

TEST_F(Projects, AnAlcoholicsEveningsAndAMeetingThatEndsTheHabit) {
  SIM_Alcohol* alcohol = HOOK_GetAlcohol();
  const float recovery = SIM_GetGlobalVariables()->Get("GV_ALCOHOLIC_RECOVERY");
  alcohol->Restore(0.5f, true, 1.2f);
  SetAttribute("alcohol", 0.6f);  // neither sober nor drunk: no penalty, no progress
  const float happiness = SIM_GetVede()->GetValue("happiness");
  alcohol->Process();
  EXPECT_FLOAT_EQ(alcohol->GetAddictionStrength(), 0.5f);
  EXPECT_FLOAT_EQ(SIM_GetVede()->GetValue("happiness"), happiness);
  SetAttribute("alcohol", 0.9f);
  alcohol->Process();
  EXPECT_FLOAT_EQ(alcohol->GetAddictionStrength(), 1.0f);  // a relapse

  alcohol->Restore(5.0f * recovery, true, 1.2f);
  const int slotsUsed = SIM_GetSim()->GetSlotsUsed();
  SIM_HookAlcoholMeeting();
  EXPECT_EQ(SIM_GetSim()->GetSlotsUsed(), slotsUsed);  // the evening that runs the meeting ends the slot
  SetAttribute("alcohol", 0.6f);
  alcohol->Process();
  EXPECT_FALSE(alcohol->IsAlcoholic());
  EXPECT_FLOAT_EQ(alcohol->GetBloodAlcohol(), 0.0f);
  EXPECT_TRUE(Earned("ACH_BEATEN_ALCOHOLIC"));
  EXPECT_TRUE(MeetingsAhead().empty());
  EXPECT_EQ(MessageTexts().size(), 1u);
}

// ---------------------------------------------------------------------------------------------
// The saved game

TEST_F(Projects, ProjectsStreamsAnAlcoholicAndTenKeysSaveLoadAndSaveTheSame) {
  std::vector<float> samples;
  for (int i = 0; i < 400; ++i) samples.push_back((float)(i % 10) / 10.0f);
  SIM_GetNewsStory()->Restore(0.25f, 0.0f, "The Phantom Parking Warden", samples);
  SIM_GetSongWriting()->Restore(0.5f, 0.0f, "Tea for One", {0.25f, 0.75f});
  SIM_RoyaltyStream::Create("Tea for Two", 60.0f, SIM_RoyaltyStream::TYPE_SONG);
  SIM_RoyaltyStream::Create("The Night Bus", 300.0f, SIM_RoyaltyStream::TYPE_SCREENPLAY);
  SIM_RoyaltyStream::Create("Dried Up", 0.5f, SIM_RoyaltyStream::TYPE_SONG);
  SIM_RoyaltyStream::NextWeekAll();
  for (int i = 0; i < 10; ++i) SIM_AchievementBase::AddAchievement(("ACH_" + std::to_string(i)).c_str());
  HOOK_GetAlcohol()->Restore(1.0f, false, 1.1f);
  SetAttribute("alcohol", 0.9f);
  HOOK_GetAlcohol()->Process();
  ASSERT_TRUE(HOOK_GetAlcohol()->IsAlcoholic());

  ASSERT_TRUE(SIM_GetSaveGame()->SaveGame("projects")) << SIM_GetSaveGame()->GetLastError();
  const std::string first = savetest::SaveFile("projects");
  SIM_GetSim()->Reset();
  SIM_GetScheduledEvents()->Clear();
  ASSERT_TRUE(SIM_GetLoadGame()->LoadGame("projects")) << SIM_GetLoadGame()->GetFailureText();
  EXPECT_EQ(SIM_GetNewsStory()->GetChunks().size(), 400u);
  EXPECT_EQ(SIM_RoyaltyStream::All.size(), 3u);
  EXPECT_EQ(SIM_AchievementBase::AchievementStrings.size(), 11u);
  EXPECT_TRUE(HOOK_GetAlcohol()->IsAlcoholic());
  EXPECT_EQ(MeetingsAhead().size(), 1u);  // the load books the meeting again
  ASSERT_TRUE(SIM_GetSaveGame()->SaveGame("again"));
  EXPECT_EQ(savetest::SaveFile("again"), first);
  savetest::ExpectCleanLog();
}

}  // namespace
