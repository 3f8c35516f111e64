#include "SIM_JobUnlocks.h"

#include <algorithm>

#include "GDebug.h"
#include "GRandom.h"
#include "GUI_PhoneMessage.h"
#include "SIM_GlobalVariable.h"
#include "SIM_JobBase.h"
#include "SIM_NPC.h"
#include "SIM_Relationship.h"
#include "SIM_StandInLog.h"
#include "SIM_Vede.h"

SIM_JobUnlocks* SIM_GetJobUnlocks() {
  static SIM_JobUnlocks instance;
  return &instance;
}

// Built empty without marking a reset: the day turn's reset is the moment tests watch.
SIM_JobUnlocks::SIM_JobUnlocks() = default;

void SIM_JobUnlocks::Reset() {
  SIM_StandInLog::Record("SIM_JobUnlocks::Reset");
  m_dayCounter = 0;
  m_unlockedJobs.clear();
}

void SIM_JobUnlocks::NextDay() {
  SIM_StandInLog::Record("SIM_JobUnlocks::NextDay");
  ++m_dayCounter;
  SIM_GlobalVariable* tuning = SIM_GetGlobalVariables();
  if (m_dayCounter <= (int)tuning->Get("JOB_UNLOCK_INTERVAL")) return;
  SIM_NPC* bestFriend = SIM_NPC::GetBestFriend();
  if (!bestFriend || bestFriend->IsSnubbed()) return;
  const SIM_Relationship* link = SIM_GetVede()->GetRelationship(bestFriend);
  if (!link || link->GetStrength() <= tuning->Get("JOB_UNLOCK_MIN_RELATIONSHIP")) return;
  if (GRandom::IsChance(tuning->Get("JOB_UNLOCK_CHANCE"))) OfferJob(bestFriend);
}

bool SIM_JobUnlocks::IsCandidate(SIM_JobBase* job) {
  const SIM_JobBase* current = SIM_GetVede()->GetJob();
  if (job == current || !job->MeetsPrerequisites()) return false;
  // Nobody puts in a word for a step down; without a paid job every step is up.
  const float currentSalary = current ? current->GetMinSalary() : 0.0f;
  if (currentSalary <= 0.0f) return true;
  return job->GetMinSalary() / currentSalary >= 0.75f;
}

void SIM_JobUnlocks::OfferJob(SIM_NPC* bestFriend) {
  std::vector<SIM_JobBase*> candidates;
  for (SIM_JobBase* job : SIM_JobBase::UnlockableJobs) {
    if (IsCandidate(job)) candidates.push_back(job);
  }
  if (candidates.empty()) return;
  m_dayCounter = 0;
  const int pick = std::min((int)candidates.size() - 1, (int)GRandom::RandReal(0.0f, (float)candidates.size()));
  SIM_JobBase* job = candidates[pick];
  job->Offer();
  m_unlockedJobs.push_back(job);
  GetDebug()->DebugOut(GFormat("Job GUID %d unlocked by %s", job->GetGUID(), bestFriend->GetFullName().c_str()).c_str());
  GUI_PhoneMessage::CreateJobUnlock(bestFriend, job);
}

void SIM_JobUnlocks::AddUnlocked(SIM_JobBase* job) {
  if (!job || std::find(m_unlockedJobs.begin(), m_unlockedJobs.end(), job) != m_unlockedJobs.end()) return;
  job->Offer();
  m_unlockedJobs.push_back(job);
}
