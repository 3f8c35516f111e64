// The job market on the test tables: the chance of an application and the handicap it names, the
// call two nights later, accepting an offer, and the best friend who unlocks a job now and then.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "GTranslation.h"
#include "GUI_PhoneMessage.h"
#include "SIM_Attribute.h"
#include "SIM_Health.h"
#include "SIM_JobOffer.h"
#include "SIM_JobUnlocks.h"
#include "SIM_NPC.h"
#include "SIM_Relationship.h"
#include "WorkTestSupport.h"

namespace {

using worktest::Tune;

// The start job pays 20000. Three jobs only a friend can get: one at exactly three quarters of
// that, one just below, and one whose requirement the player does not meet.
const char* kMarketJobs =
    "Jobs of the market tests\n"
    "#,1112,clerk,office,Clerk,Clerk,Clerk,Town Council,the town hall,sales,plain,20000,26000,N/A,0,0,1,1,1,0,\"test_talent,1\",#\n"
    "#,1201,extra,stage,Film extra,Actor,Actress,Studio One,the studio,acting,showbiz,24000,30000,N/A,0,0,1,1,1,0,\"test_talent,1\",#\n"
    "#,1400,porter,office,Porter,Porter,Porter,Grand Hotel,the hotel,sales,plain,15000,15000,N/A,0,1,1,1,1,0,\"test_talent,1\",#\n"
    "#,1401,runner,office,Runner,Runner,Runner,Grand Hotel,the hotel,sales,plain,14800,15000,N/A,0,1,1,1,1,0,\"test_talent,1\",#\n"
    "#,1402,star,stage,Star,Star,Star,Studio One,the studio,acting,showbiz,50000,90000,N/A,0,1,1,1,1,0,\"test_talent,1\",#,\"test_flag,0.5\"\n";

class JobMarket : public worktest::WorkGame {
 protected:
  void SetUp() override {
    Start(kMarketJobs, worktest::kIndustries, worktest::OneStoryOfEachType());
    for (const char* name : {"porter", "runner", "star"}) {
      worktest::ReplaceData(std::string("simulation/scripts/jobs/") + name + ".txt", "");
    }
    GUI_PhoneMessage::ClearAll();
  }

  static void SetValue(const char* name, float value) { Vede()->GetNamedValue(name, true)->SetValue(value); }

  // The player at his best in every way that counts for an application.
  static void AtBest() {
    SIM_GetHealth()->SetState(SIM_Health::HEALTHY, 0);
    SetValue("alcohol", 0.0f);
    SetValue("confidence", 1.0f);
    SetValue("tiredness", 0.0f);
    SetValue("happiness", 1.0f);
    SetValue("optimism", 1.0f);
    SetValue("persuasion", 0.0f);
  }

  static std::vector<GUI_PhoneMessage*> Messages(GUI_PhoneMessage::PHONE_MESSAGE_TYPE type) {
    std::vector<GUI_PhoneMessage*> found;
    for (GUI_PhoneMessage* message : GUI_PhoneMessage::All)
      if (message->GetType() == type) found.push_back(message);
    return found;
  }

  static int CountEffects(const char* attribute, const std::string& source) {
    int count = 0;
    for (const SIM_Effect* effect : SIM_Attribute::GetAttribute(attribute)->GetEffects())
      count += effect->GetDebugName() == source ? 1 : 0;
    return count;
  }

  // The player's best friend, his friendship as strong as can be.
  static SIM_NPC* BestFriend() {
    SIM_NPC* best = SIM_NPC::GetBestFriend();
    if (best) Vede()->GetRelationship(best)->SetStrength(1.0f);
    return best;
  }
};

TEST_F(JobMarket, ChanceOfAnApplicationAndTheHandicapItNames) {
  struct Case {
    const char* what;
    float alcohol, confidence, tiredness, happiness, optimism, persuasion;
    bool ill;
    float chance;
    int reason;
  };
  const Case cases[] = {
      {"at his best, persuasion on top is clamped", 0, 1, 0, 1, 1, 0.8f, false, 1.0f, 0},
      {"five handicaps in full leave persuasion alone", 1, 0, 1, 0, 0, 0.6f, false, 0.15f, 0},
      {"as drunk as tired: the first of equals", 0.5f, 1, 0.5f, 1, 1, 0, false, 0.8f, 0},
      {"lack of confidence", 0.1f, 0.2f, 0.1f, 1, 1, 0, false, 1.0f - 0.02f - 0.16f - 0.02f, 1},
      {"tired", 0, 1, 0.9f, 0.8f, 1, 0, false, 1.0f - 0.18f - 0.04f, 2},
      {"unhappy", 0, 1, 0, 0.3f, 0.9f, 0, false, 1.0f - 0.14f - 0.02f, 3},
      {"pessimist", 0, 1, 0, 1, 0, 0, false, 0.8f, 5},
      {"ill, however fit otherwise", 0, 1, 0, 1, 1, 1, true, 0.0f, 4},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    AtBest();
    SetValue("alcohol", c.alcohol);
    SetValue("confidence", c.confidence);
    SetValue("tiredness", c.tiredness);
    SetValue("happiness", c.happiness);
    SetValue("optimism", c.optimism);
    SetValue("persuasion", c.persuasion);
    if (c.ill) SIM_GetHealth()->SetState(SIM_Health::ILL, 3);
    EXPECT_NEAR(SIM_JobOffer::GetJobChance(), c.chance, 1e-5f);
    EXPECT_EQ(SIM_JobOffer::LastReason, c.reason);
  }
  EXPECT_STREQ(SIM_JobOffer::GetReasonKey(4), "JOB_REASON_ILL");
  EXPECT_STREQ(SIM_JobOffer::GetReasonKey(6), "JOB_REASON_OTHER");
  EXPECT_STREQ(SIM_JobOffer::GetReasonKey(-1), "JOB_REASON_OTHER");
}

TEST_F(JobMarket, TheAnswerRingsOnTheSecondNightAndARejectionStingsOnce) {
  AtBest();
  SIM_JobOffer* offer = SIM_JobOffer::Create(Job(1201));
  ASSERT_NE(offer, nullptr);
  EXPECT_TRUE(offer->Offered());
  EXPECT_TRUE(offer->IsPending());
  SIM_GetHealth()->SetState(SIM_Health::ILL, 5);
  SIM_JobOffer* rejection = SIM_JobOffer::Create(Job(1201));
  ASSERT_NE(rejection, nullptr);
  EXPECT_FALSE(rejection->Offered());
  EXPECT_EQ(rejection->GetReason(), SIM_JobOffer::REASON_ILL);

  SIM_JobOffer::ProcessAll();
  EXPECT_TRUE(Messages(GUI_PhoneMessage::PHONE_JOBOFFER).empty()) << "one night is too early";
  SIM_JobOffer::ProcessAll();
  const std::vector<GUI_PhoneMessage*> calls = Messages(GUI_PhoneMessage::PHONE_JOBOFFER);
  ASSERT_EQ(calls.size(), 2u);
  EXPECT_EQ(calls[0]->GetSubject(), offer);
  EXPECT_EQ(calls[1]->GetSubject(), rejection);
  EXPECT_EQ(calls[0]->GetSender(), GTranslation::GetString("JOBOFFER_SENDER"));
  EXPECT_FALSE(offer->IsPending());

  // Opened twice, the rejection's script runs once.
  const int before = CountEffects("confidence", "Turned down for a job");
  rejection->ApplyRejectEffects();
  rejection->ApplyRejectEffects();
  EXPECT_EQ(CountEffects("confidence", "Turned down for a job"), before + 1);
  EXPECT_TRUE(rejection->RejectEffectsApplied());

  // A null job makes no offer and says so.
  const size_t offers = SIM_JobOffer::All.size();
  EXPECT_EQ(SIM_JobOffer::Create(nullptr), nullptr);
  EXPECT_EQ(SIM_JobOffer::All.size(), offers);
  EXPECT_EQ(worktest::CountLogLines("Null job offer"), 1);

  // The night clears the phone; an answer nobody opened lapses with it, and the rest wait on.
  delete calls[0];
  SIM_JobOffer* waiting = SIM_JobOffer::Create(Job(1201));
  GUI_PhoneMessage::Clear();
  SIM_JobOffer::ProcessAll();
  ASSERT_EQ(SIM_JobOffer::All.size(), 1u);
  EXPECT_EQ(SIM_JobOffer::All[0], waiting);
  EXPECT_TRUE(SIM_JobOffer::IsLive(waiting));
  EXPECT_FALSE(SIM_JobOffer::IsLive(offer));
}

TEST_F(JobMarket, AcceptingSwapsTheIndustryFlagsAndStressesByLackOfConfidence) {
  Tune("GV_NEWJOB_STRESS", 0.3f);
  AtBest();
  SetValue("confidence", 0.4f);
  SIM_NPC* best = BestFriend();
  ASSERT_NE(Vede()->GetJob(), nullptr);
  EXPECT_EQ(Vede()->GetJob()->GetGUID(), 1112);
  SIM_NamedValueList::ForceGlobal("industry_sales", 1.0f);
  SIM_JobOffer offer(Job(1201), true, SIM_JobOffer::REASON_ALCOHOL);
  const size_t held = GUI_PhoneMessage::Pending.size();

  offer.Accept();

  EXPECT_EQ(Vede()->GetJob(), Job(1201));
  EXPECT_FLOAT_EQ(SIM_NamedValueList::Globals.GetValue("industry_sales"), 0.0f);
  EXPECT_FLOAT_EQ(SIM_NamedValueList::Globals.GetValue("industry_acting"), 1.0f);
  // The bare industry names follow the held job too.
  EXPECT_FLOAT_EQ(SIM_NamedValueList::Globals.GetValue("acting"), 1.0f);
  EXPECT_FLOAT_EQ(SIM_NamedValueList::Globals.GetValue("sales"), 0.0f);
  const SIM_Effect* stress = nullptr;
  for (const SIM_Effect* effect : SIM_Attribute::GetAttribute("stress")->GetEffects())
    if (effect->GetDebugName() == "new job") stress = effect;
  ASSERT_NE(stress, nullptr);
  EXPECT_NEAR(stress->GetDegrade(), 0.75f, 1e-6f);
  EXPECT_NEAR(stress->GetEffect(), Vede()->GetAdjustedEffect("stress", 0.3f * 0.6f), 1e-5f);
  // The friend's congratulations wait for the next delivery.
  if (best) {
    ASSERT_EQ(GUI_PhoneMessage::Pending.size(), held + 1);
    EXPECT_EQ(GUI_PhoneMessage::Pending.back()->GetText(), GTranslation::GetString("NEWJOB_FRIEND_MESSAGE"));
    EXPECT_TRUE(Messages(GUI_PhoneMessage::PHONE_NPCMESSAGE).empty());
  }
}

TEST_F(JobMarket, TheBestFriendUnlocksAJobAfterTheIntervalAtThreeQuartersOfThePayOrMore) {
  Tune("JOB_UNLOCK_INTERVAL", 10.0f);
  Tune("JOB_UNLOCK_CHANCE", 1.0f);
  Tune("JOB_UNLOCK_MIN_RELATIONSHIP", 0.6f);
  SIM_NPC* best = BestFriend();
  ASSERT_NE(best, nullptr) << "a new game starts with friends";
  SIM_JobUnlocks* unlocks = SIM_GetJobUnlocks();
  unlocks->Reset();

  // Locked, the porter is not advertised even on a day he is available; once unlocked he is.
  auto advertised = [](SIM_JobBase* job) {
    SIM_JobBase::UpdateAvailability();
    SIM_JobBase::RebuildValidJobsList(job->GetIndustryName(), false);
    return std::find(SIM_JobBase::ValidJobs.begin(), SIM_JobBase::ValidJobs.end(), job) != SIM_JobBase::ValidJobs.end();
  };
  EXPECT_FALSE(advertised(Job(1400)));

  for (int night = 1; night <= 10; ++night) unlocks->NextDay();
  EXPECT_TRUE(unlocks->GetUnlockedJobs().empty()) << "not before the 11th night";
  unlocks->NextDay();
  // The porter pays exactly three quarters of the clerk's pay; the runner less; the star asks for
  // what the player lacks.
  ASSERT_EQ(unlocks->GetUnlockedJobs(), std::vector<SIM_JobBase*>{Job(1400)});
  EXPECT_FALSE(Job(1400)->IsUnlockable());
  EXPECT_EQ(SIM_JobBase::UnlockableJobs, (std::vector<SIM_JobBase*>{Job(1401), Job(1402)}));
  EXPECT_EQ(unlocks->GetDayCounter(), 0);
  const std::vector<GUI_PhoneMessage*> calls = Messages(GUI_PhoneMessage::PHONE_JOBUNLOCK);
  ASSERT_EQ(calls.size(), 1u);
  EXPECT_EQ(calls[0]->GetExtraJob(), Job(1400));
  EXPECT_EQ(calls[0]->GetSender(), best->GetFullName());
  EXPECT_TRUE(advertised(Job(1400)));

  // Nothing left he could take: the friend never calls again, and the counter keeps counting.
  for (int night = 0; night < 30; ++night) unlocks->NextDay();
  EXPECT_EQ(unlocks->GetUnlockedJobs().size(), 1u);
  EXPECT_EQ(unlocks->GetDayCounter(), 30);

  // Once the player meets the star's requirement, the star is his friend's next word.
  SIM_NamedValueList::ForceGlobal("test_flag", 1.0f);
  unlocks->NextDay();
  EXPECT_EQ(unlocks->GetUnlockedJobs().back(), Job(1402));
}

TEST_F(JobMarket, NoWordFromASnubbedOrDistantFriend) {
  Tune("JOB_UNLOCK_INTERVAL", 0.0f);
  Tune("JOB_UNLOCK_CHANCE", 1.0f);
  Tune("JOB_UNLOCK_MIN_RELATIONSHIP", 0.6f);
  SIM_NPC* best = BestFriend();
  ASSERT_NE(best, nullptr);
  SIM_JobUnlocks* unlocks = SIM_GetJobUnlocks();
  unlocks->Reset();

  best->SetSnubDelay(1000);
  for (int night = 0; night < 20; ++night) unlocks->NextDay();
  EXPECT_TRUE(unlocks->GetUnlockedJobs().empty()) << "snubbed";

  best->UnSnub();
  for (SIM_NPC* npc : SIM_NPC::All)
    if (SIM_Relationship* link = Vede()->GetRelationship(npc)) link->SetStrength(std::min(link->GetStrength(), 0.6f));
  for (int night = 0; night < 20; ++night) unlocks->NextDay();
  EXPECT_TRUE(unlocks->GetUnlockedJobs().empty()) << "a friendship of 0.6 is not above 0.6";

  Vede()->GetRelationship(best)->SetStrength(0.61f);
  unlocks->NextDay();
  EXPECT_EQ(unlocks->GetUnlockedJobs().size(), 1u);
}

}  // namespace
