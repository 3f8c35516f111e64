#include "SIM_JobInstance.h"

#include "SIM_JobBase.h"
#include "SIM_StandInLog.h"

SIM_JobInstance* SIM_JobInstance::Create(SIM_JobBase* job) { return new SIM_JobInstance(job); }

void SIM_JobInstance::ProcessWorkDay() {
  STAND_IN();
}

void SIM_JobInstance::ResolveFirings() {
  STAND_IN();
}

float SIM_JobInstance::GetCurrentSalary() const {
  STAND_IN();  // the job's base salary: the pay grades come with the work subsystem
  return m_job ? m_job->GetSalary() : 0.0f;
}

SIM_JobEvent* SIM_JobInstance::GetEvent() const {
  STAND_IN();
  return nullptr;
}

SIM_NPC* SIM_JobInstance::GetNewFriend() const {
  STAND_IN();
  return nullptr;
}
