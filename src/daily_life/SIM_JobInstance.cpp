#include "SIM_JobInstance.h"

#include "GDebug.h"
#include "SIM_JobBase.h"

SIM_JobInstance* SIM_JobInstance::Create(SIM_JobBase* job) { return new SIM_JobInstance(job); }

void SIM_JobInstance::ProcessWorkDay() {
  GStandIn("SIM_JobInstance::ProcessWorkDay (work day not simulated yet)");
}

void SIM_JobInstance::ResolveFirings() {
  GStandIn("SIM_JobInstance::ResolveFirings (work subsystem not built yet)");
}

float SIM_JobInstance::GetCurrentSalary() const {
  GStandIn("SIM_JobInstance::GetCurrentSalary (job's base salary, no grades yet)");
  return m_job ? m_job->GetSalary() : 0.0f;
}
