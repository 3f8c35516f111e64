#include "SIM_JobOffer.h"

#include <algorithm>

#include "ExitCleanup.h"
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

std::vector<SIM_JobOffer*> SIM_JobOffer::All;
SIM_JobOffer::REJECTREASON SIM_JobOffer::LastReason = SIM_JobOffer::REASON_OTHER;

namespace {
void DeleteJobOffersAtExit() { SIM_JobOffer::DeleteAll(); }

// Whether the phone still holds the call about this offer, delivered or held back.
bool PhoneHoldsOffer(const SIM_JobOffer* offer) {
  for (const std::list<GUI_PhoneMessage*>* list : {&GUI_PhoneMessage::All, &GUI_PhoneMessage::Pending}) {
    for (const GUI_PhoneMessage* message : *list) {
      if (message->GetType() == GUI_PhoneMessage::PHONE_JOBOFFER && message->GetSubject() == offer) return true;
    }
  }
  return false;
}
}  // namespace

SIM_JobOffer::SIM_JobOffer() {
  RegisterExitCleanup(DeleteJobOffersAtExit);
  All.push_back(this);
}

SIM_JobOffer::SIM_JobOffer(SIM_JobBase* job, bool offered, REJECTREASON reason)
    : m_job(job), m_offered(offered), m_pending(true), m_daysToWait(2), m_reason(reason) {
  GAssert(job != nullptr, __FILE__, __LINE__);
  RegisterExitCleanup(DeleteJobOffersAtExit);
  All.push_back(this);
}

SIM_JobOffer::~SIM_JobOffer() { All.erase(std::remove(All.begin(), All.end(), this), All.end()); }

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
  // In the order of REJECTREASON; ill health counts only above, as a flat refusal.
  const float handicaps[6] = {
      0.2f * vede->GetValue("alcohol"),
      0.2f * (1.0f - vede->GetValue("confidence")),
      0.2f * vede->GetValue("tiredness"),
      0.2f * (1.0f - vede->GetValue("happiness")),
      0.0f,
      0.2f * (1.0f - vede->GetValue("optimism")),
  };
  float chance = 1.0f;
  // Ties go to the first handicap: only a strictly greater one takes over.
  float worst = -1.0f;
  int reason = 0;
  for (int i = 0; i < 6; ++i) {
    chance -= handicaps[i];
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
  // An answer that rang and was not opened before the night cleared the phone has lapsed: nothing
  // could open it any more, and a loaded game would ring it again.
  const std::vector<SIM_JobOffer*> offers = All;
  for (SIM_JobOffer* offer : offers) {
    if (!offer->m_pending && !PhoneHoldsOffer(offer)) delete offer;
  }
  for (size_t i = 0; i < All.size(); ++i) All[i]->Process();
}

void SIM_JobOffer::DeleteAll() {
  while (!All.empty()) delete All.back();
}

void SIM_JobOffer::RaiseAnsweredCalls() {
  for (SIM_JobOffer* offer : All) {
    if (!offer->m_pending && !PhoneHoldsOffer(offer)) GUI_PhoneMessage::CreateJobOffer(offer);
  }
}

bool SIM_JobOffer::IsLive(const SIM_JobOffer* offer) {
  return offer && std::find(All.begin(), All.end(), offer) != All.end();
}

const char* SIM_JobOffer::GetReasonKey(int reason) {
  static const char* const kKeys[] = {"JOB_REASON_ALCOHOL",   "JOB_REASON_CONFIDENCE", "JOB_REASON_TIREDNESS",
                                      "JOB_REASON_HAPPINESS", "JOB_REASON_ILL",        "JOB_REASON_OPTIMISM"};
  return reason >= 0 && reason < 6 ? kKeys[reason] : "JOB_REASON_OTHER";
}

void SIM_JobOffer::Process() {
  if (!m_pending) return;
  if (--m_daysToWait > 0) return;
  Ring();
}

void SIM_JobOffer::Ring() {
  m_pending = false;
  GetDebug()->DebugOut(GFormat("Job %s for GUID %d rings", m_offered ? "offer" : "rejection",
                               m_job ? m_job->GetGUID() : -1)
                           .c_str());
  GUI_PhoneMessage::CreateJobOffer(this);
}

void SIM_JobOffer::ApplyOfferedEffects() { SIM_GetScript()->RunScript("job_offered.txt", 1.0f); }

void SIM_JobOffer::ApplyRejectEffects() {
  if (m_rejectEffectsApplied) return;
  m_rejectEffectsApplied = true;
  SIM_GetScript()->RunScript("job_rejection.txt", 1.0f);
}

void SIM_JobOffer::Accept() {
  if (!m_job) return;
  SIM_Vede* vede = SIM_GetVede();
  if (SIM_JobBase* old = vede->GetJob()) SIM_NamedValueList::ForceGlobal("industry_" + old->GetIndustryName(), 0.0f);
  vede->SetJob(m_job);
  SIM_NamedValueList::ForceGlobal("industry_" + m_job->GetIndustryName(), 1.0f);
  const float stress = SIM_GetGlobalVariables()->Get("GV_NEWJOB_STRESS");
  vede->ApplyEffect("stress", stress - vede->GetValue("confidence") * stress, 0.75f, "new job");
  if (SIM_NPC* bestFriend = SIM_NPC::GetBestFriend()) {
    GUI_PhoneMessage::PrepareNPCMessage(bestFriend, GTranslation::GetString("NEWJOB_FRIEND_MESSAGE"));
  }
}
