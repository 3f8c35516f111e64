#include "SIM_JobOffer.h"

#include <algorithm>

#include "GDebug.h"
#include "GRandom.h"
#include "GTranslation.h"
#include "GUI_PhoneMessage.h"
#include "SIM_GlobalVariable.h"
#include "SIM_Health.h"
#include "SIM_JobBase.h"
#include "SIM_NPC.h"
#include "SIM_NamedValue.h"
#include "SIM_Script.h"
#include "SIM_StandInLog.h"
#include "SIM_Vede.h"

std::list<SIM_JobOffer*> SIM_JobOffer::All;
SIM_JobOffer::REJECTREASON SIM_JobOffer::LastReason = SIM_JobOffer::REASON_NONE;

SIM_JobOffer::SIM_JobOffer() { All.push_back(this); }

SIM_JobOffer::SIM_JobOffer(SIM_JobBase* job, bool offered, REJECTREASON reason)
    : m_job(job), m_offered(offered), m_pending(true), m_daysToWait(2), m_reason(reason) {
  GAssert(job != nullptr, __FILE__, __LINE__);
  All.push_back(this);
}

SIM_JobOffer::~SIM_JobOffer() { All.remove(this); }

SIM_JobOffer* SIM_JobOffer::Create(SIM_JobBase* job) {
  if (!job) {
    GWarning("Null job offer", __FILE__, __LINE__);
    return nullptr;
  }
  const float chance = GetJobChance();
  const bool offered = GRandom::IsChance(chance);
  return new SIM_JobOffer(job, offered, LastReason);
}

float SIM_JobOffer::GetJobChance() {
  if (!SIM_GetHealth()->IsHealthy()) {
    LastReason = REASON_ILL;
    return 0.0f;
  }
  SIM_Vede* vede = SIM_GetVede();
  const float handicaps[6] = {0.2f * vede->GetValue("alcohol"),
                              0.2f * (1.0f - vede->GetValue("confidence")),
                              0.2f * vede->GetValue("tiredness"),
                              0.2f * (1.0f - vede->GetValue("happiness")),
                              0.0f,
                              0.2f * (1.0f - vede->GetValue("optimism"))};
  float chance = 1.0f;
  float worst = -1.0f;
  int reason = 0;
  for (int i = 0; i < 6; ++i) {
    chance -= handicaps[i];
    // Strictly greater: a tie goes to the handicap listed first.
    if (handicaps[i] > worst) {
      worst = handicaps[i];
      reason = i;
    }
  }
  LastReason = (REJECTREASON)reason;
  chance += 0.25f * vede->GetValue("persuasion");
  return std::clamp(chance, 0.0f, 1.0f);
}

void SIM_JobOffer::ProcessAll() {
  SIM_StandInLog::Record("SIM_JobOffer::ProcessAll");
  // Copied: raising a call never deletes an offer, but the list must not move under the loop.
  std::list<SIM_JobOffer*> offers = All;
  for (SIM_JobOffer* offer : offers) offer->Process();
}

void SIM_JobOffer::Process() {
  if (!m_pending) return;
  if (--m_daysToWait > 0) return;
  GUI_PhoneMessage::CreateJobOffer(this);
  m_pending = false;
}

void SIM_JobOffer::ApplyOfferedEffects() { SIM_GetScript()->RunScript("job_offered.txt", 1.0f); }

void SIM_JobOffer::ApplyRejectEffects() {
  if (m_rejectEffectsApplied) return;
  m_rejectEffectsApplied = true;
  SIM_GetScript()->RunScript("job_rejection.txt", 1.0f);
}

void SIM_JobOffer::Accept() {
  SIM_Vede* vede = SIM_GetVede();
  if (!m_job) return;
  if (SIM_JobBase* old = vede->GetJob()) SIM_NamedValueList::ForceGlobal("industry_" + old->GetIndustryName(), 0.0f);
  vede->SetJob(m_job);
  SIM_NamedValueList::ForceGlobal("industry_" + m_job->GetIndustryName(), 1.0f);
  const float stress = SIM_GetGlobalVariables()->Get("GV_NEWJOB_STRESS");
  vede->ApplyEffect("stress", stress - vede->GetValue("confidence") * stress, 0.75f, "new job");
  if (SIM_NPC* best = SIM_NPC::GetBestFriend())
    GUI_PhoneMessage::PrepareNPCMessage(best, GTranslation::GetString("NEWJOB_FRIEND_MESSAGE"));
}
