// The job market in a saved game: answers on their way and answers not yet opened, the jobs a
// friend unlocked and the application timers come back, the file saved again is the same, and a
// second load does not add to what the first brought back.
#include <algorithm>
#include <string>
#include <vector>

#include "GDebug.h"
#include "GUI_PhoneMessage.h"
#include "SIM_JobBase.h"
#include "SIM_JobOffer.h"
#include "SIM_JobUnlocks.h"
#include "SaveGameTestSupport.h"

namespace {

using savetest::SaveFile;

std::vector<int> UnlockedGUIDs() {
  std::vector<int> guids;
  for (const SIM_JobBase* job : SIM_GetJobUnlocks()->GetUnlockedJobs()) guids.push_back(job->GetGUID());
  return guids;
}

const GUI_PhoneMessage* CallAbout(const SIM_JobOffer* offer) {
  for (const GUI_PhoneMessage* message : GUI_PhoneMessage::All)
    if (message->GetType() == GUI_PhoneMessage::PHONE_JOBOFFER && message->GetSubject() == offer) return message;
  return nullptr;
}

// A game a few nights in with an application on its way, an answer that rang and was not opened,
// two jobs a friend unlocked and three jobs applied for.
void SetUpJobMarket() {
  savetest::PlayNights(3);
  SIM_JobOffer::DeleteAll();
  GUI_PhoneMessage::ClearAll();
  new SIM_JobOffer(SIM_JobBase::GetJobByGUID(1702), true, SIM_JobOffer::REASON_TIREDNESS);
  SIM_JobOffer* answered = new SIM_JobOffer(SIM_JobBase::GetJobByGUID(1803), false, SIM_JobOffer::REASON_CONFIDENCE);
  answered->Process();
  answered->Process();
  answered->ApplyRejectEffects();
  ASSERT_NE(CallAbout(answered), nullptr);
  SIM_GetJobUnlocks()->Reset();
  SIM_GetJobUnlocks()->AddUnlocked(SIM_JobBase::GetJobByGUID(1304));
  SIM_GetJobUnlocks()->AddUnlocked(SIM_JobBase::GetJobByGUID(1113));
  SIM_JobBase::GetJobByGUID(1201)->SetDaysUntilReapply(7);
  SIM_JobBase::GetJobByGUID(1404)->SetDaysUntilReapply(3);
  SIM_JobBase::GetJobByGUID(1601)->SetDaysUntilReapply(1);
}

TEST(JobMarketSave, OffersUnlocksAndTimersSurviveASaveLoadSave) {
  SetUpJobMarket();
  ASSERT_TRUE(SIM_GetSaveGame()->SaveGame("market")) << SIM_GetSaveGame()->GetLastError();
  const std::string first = SaveFile("market");

  for (int load = 1; load <= 2; ++load) {
    SCOPED_TRACE("load " + std::to_string(load));
    ASSERT_TRUE(SIM_GetLoadGame()->LoadGame("market")) << SIM_GetLoadGame()->GetFailureText();
    ASSERT_EQ(SIM_JobOffer::All.size(), 2u);
    const SIM_JobOffer* pending = SIM_JobOffer::All[0];
    const SIM_JobOffer* answered = SIM_JobOffer::All[1];
    EXPECT_EQ(pending->GetJob()->GetGUID(), 1702);
    EXPECT_TRUE(pending->Offered());
    EXPECT_TRUE(pending->IsPending());
    EXPECT_EQ(pending->GetDaysToWait(), 2);
    EXPECT_EQ(pending->GetReason(), SIM_JobOffer::REASON_TIREDNESS);
    EXPECT_EQ(CallAbout(pending), nullptr);
    // The answer rings again, already stung.
    EXPECT_EQ(answered->GetJob()->GetGUID(), 1803);
    EXPECT_FALSE(answered->IsPending());
    EXPECT_TRUE(answered->RejectEffectsApplied());
    EXPECT_EQ(answered->GetReason(), SIM_JobOffer::REASON_CONFIDENCE);
    EXPECT_NE(CallAbout(answered), nullptr);

    // Each unlocked job once, however often the game is loaded, and no longer locked.
    EXPECT_EQ(UnlockedGUIDs(), (std::vector<int>{1304, 1113}));
    for (const SIM_JobBase* job : SIM_GetJobUnlocks()->GetUnlockedJobs()) EXPECT_FALSE(job->IsUnlockable());
    for (const SIM_JobBase* job : SIM_JobBase::UnlockableJobs) {
      EXPECT_NE(job->GetGUID(), 1304);
      EXPECT_NE(job->GetGUID(), 1113);
    }
    EXPECT_EQ(SIM_GetJobUnlocks()->GetDayCounter(), 0);
    EXPECT_EQ(SIM_JobBase::GetJobByGUID(1201)->GetDaysUntilReapply(), 7);
    EXPECT_EQ(SIM_JobBase::GetJobByGUID(1404)->GetDaysUntilReapply(), 3);
    EXPECT_EQ(SIM_JobBase::GetJobByGUID(1601)->GetDaysUntilReapply(), 1);

    ASSERT_TRUE(SIM_GetSaveGame()->SaveGame("again"));
    EXPECT_EQ(SaveFile("again"), first);
  }
  savetest::ExpectCleanLog();
}

TEST(JobMarketSave, AJobTheTablesNoLongerHoldIsSkippedWithOneWarning) {
  SetUpJobMarket();
  ASSERT_TRUE(SIM_GetSaveGame()->SaveGame("market"));
  std::string text = SaveFile("market");
  const size_t unlocked = text.find("<jobs_unlocked>\n<job>\n<id>1304</id>");
  const size_t offered = text.find("<jobid>1803</jobid>");
  ASSERT_NE(unlocked, std::string::npos);
  ASSERT_NE(offered, std::string::npos);
  text.replace(text.find("1304", unlocked), 4, "9999");
  text.replace(text.find("1803", offered), 4, "8888");
  testsupport::WriteFile(SIM_SaveGame::PathOf("stale"), text);

  ASSERT_TRUE(SIM_GetLoadGame()->LoadGame("stale")) << SIM_GetLoadGame()->GetFailureText();
  EXPECT_EQ(UnlockedGUIDs(), std::vector<int>{1113});
  ASSERT_EQ(SIM_JobOffer::All.size(), 1u);
  EXPECT_EQ(SIM_JobOffer::All[0]->GetJob()->GetGUID(), 1702);
  const std::string log = testsupport::ReadFile(GetDebug()->GetPath());
  for (const char* guid : {"\"9999\" is not known", "\"8888\" is not known"}) {
    const size_t at = log.find(guid);
    ASSERT_NE(at, std::string::npos) << guid;
    EXPECT_EQ(log.find(guid, at + 1), std::string::npos) << "one warning for " << guid;
    const size_t lineStart = log.rfind('\n', at);
    EXPECT_NE(log.substr(lineStart, at - lineStart).find("stale"), std::string::npos) << "the warning names the file";
  }
}

}  // namespace
