#include "SIM_JobInstance.h"

#include "GDebug.h"
#include "GRandom.h"
#include "GTranslation.h"
#include "GUI_EventList.h"
#include "GUI_PhoneMessage.h"
#include "GUI_Sounds.h"
#include "SIM_GlobalVariable.h"
#include "SIM_JobBase.h"
#include "SIM_JobEvent.h"
#include "SIM_NPC.h"
#include "SIM_NamedValue.h"
#include "SIM_Script.h"
#include "SIM_SmallTalk.h"
#include "SIM_StandInLog.h"
#include "SIM_Statistics.h"
#include "SIM_Vede.h"
#include "SIM_Vorla.h"

SIM_JobInstance::SIM_JobInstance() { ResetData(); }

SIM_JobInstance::SIM_JobInstance(SIM_JobBase* job) {
  ResetData();
  m_job = job;
}

SIM_JobInstance* SIM_JobInstance::Create(SIM_JobBase* job) { return new SIM_JobInstance(job); }

void SIM_JobInstance::ResetData() {
  m_event = nullptr;
  m_job = nullptr;
  m_newFriend = nullptr;
  for (Day& day : m_history) day = Day();
  m_validDays = 0;
  m_grade = 0;
  m_fired = false;
  m_avePerformance = 0.5f;
  m_daysInJob = 0;
  m_daysSincePromotion = 0;
  m_daysSinceLastFriend = 0;
  m_friendsMade = 0;
}

float SIM_JobInstance::GetCurrentSalary() const {
  GAssert(m_job != nullptr, __FILE__, __LINE__);
  if (!m_job) return 0.0f;
  const float min = m_job->GetMinSalary();
  return min + (float)m_grade * ((m_job->GetMaxSalary() - min) / 5.0f);
}

void SIM_JobInstance::CalcAvePerformance() {
  float sum = 0.0f;
  m_validDays = 0;
  for (const Day& day : m_history) {
    if (!day.valid) continue;
    sum += day.performance;
    ++m_validDays;
  }
  if (m_validDays == 0) {
    m_avePerformance = 0.0f;
    GWarning("No valid job data", __FILE__, __LINE__);
    return;
  }
  m_avePerformance = sum / (float)m_validDays;
}

bool SIM_JobInstance::TooSoonToPromote() const {
  return m_daysSincePromotion < (int)SIM_GetGlobalVariables()->Get("GV_PROMOTION_MINGAP");
}

bool SIM_JobInstance::CheckForPromotion() {
  if (m_validDays < 10 || AtTopGrade() || TooSoonToPromote()) return false;
  if (!m_job || m_job->GetMaxSalary() == m_job->GetMinSalary()) return false;
  if (m_avePerformance < 0.25f) return false;
  if (!GRandom::IsChance(m_avePerformance / 20.0f)) return false;
  Promote();
  return true;
}

void SIM_JobInstance::TakeStory(const char* type) {
  m_event = SIM_JobEvent::GetEventByType(type);
  if (m_event) m_event->Trigger();
}

void SIM_JobInstance::Promote() {
  ++m_grade;
  SIM_GetSmallTalk()->AddTempEvent("SMALLTALK_PROMOTION", 4);
  m_daysSincePromotion = 0;
  SIM_GetVorla()->AddEarnedVorla((float)m_grade * SIM_GetGlobalVariables()->Get("VORLA_PROMOTION"));
  SIM_GetScript()->RunScript("promotion.txt", 1.0f);
  TakeStory("promotion");
  GUI_GetSounds()->PlaySound("data/sounds/promotion_applause.ogg", false);
  if (SIM_NPC* friendNpc = SIM_NPC::GetBestFriend()) {
    GUI_PhoneMessage::CreateNPCMessage(friendNpc, GTranslation::GetString("PROMOTION_FRIEND_MESSAGE"));
  }
  SIM_GetStatistics()->ChangeCounter(1, "PROMOTIONS");
}

void SIM_JobInstance::FireVede() {
  TakeStory("fired");
  m_fired = true;
}

void SIM_JobInstance::SetNewFriend(SIM_NPC* npc) {
  GAssert(npc != nullptr, __FILE__, __LINE__);
  m_newFriend = npc;
  TakeStory("newfriend");
  ++m_friendsMade;
  m_daysSinceLastFriend = 0;
}

void SIM_JobInstance::ProcessWorkDay() {
  SIM_StandInLog::Record("SIM_JobInstance::ProcessWorkDay");
  m_event = nullptr;
  m_newFriend = nullptr;
  if (!m_job) return;

  for (int day = kHistoryDays - 1; day > 0; --day) m_history[day] = m_history[day - 1];
  m_performance = m_job->GetTodaysPerformance();
  m_history[0] = {true, m_performance};
  GUI_GetEventList()->ClearEvent("MISSED_BUS");
  CalcAvePerformance();
  ++m_daysSinceLastFriend;
  m_job->ProcessWork();

  if (m_daysInJob > 10) {
    m_fired = m_job->CheckForFiring();
    if (m_fired) FireVede();
  }
  if (!m_fired && !CheckForPromotion()) ++m_daysSincePromotion;

  const char* type = "default";
  if (m_daysInJob == 0) {
    type = "firstday";
  } else if (m_performance < 0.4f) {
    type = "bad_performance";
  } else if (m_performance > 0.6f) {
    type = "good_performance";
  }
  if (!m_event) TakeStory(type);

  ++m_daysInJob;
  SIM_GetScript()->RunScript(m_job->GetDailyScript(), 1.0f);
  if ((float)m_daysInJob > SIM_GetGlobalVariables()->Get("JOB_DAYS_BEFORE_BOREDOM")) {
    SIM_GetScript()->RunScript("stuck_in_boring_job.txt", 1.0f);
  }
}

void SIM_JobInstance::ResolveFirings() {
  SIM_StandInLog::Record("SIM_JobInstance::ResolveFirings");
  SIM_Vede* vede = SIM_GetVede();
  SIM_JobInstance* instance = vede->GetJobInstance();
  if (!instance || !instance->m_fired) return;
  if (SIM_JobBase* job = instance->m_job) SIM_NamedValueList::ForceGlobal("industry_" + job->GetIndustryName(), 0.0f);
  SIM_JobBase* next = SIM_JobBase::ChooseRandom();
  vede->SetJob(next);  // deletes `instance`
  SIM_NamedValueList::ForceGlobal("industry_" + next->GetIndustryName(), 1.0f);
}
