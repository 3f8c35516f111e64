#include "SIM_JobBase.h"

#include "GTranslation.h"
#include "SIM_StandInLog.h"

namespace {
// The job every new game starts with until the job table is read.
SIM_JobBase& StartingJob() {
  static SIM_JobBase job(1112, "Shelf stacker", "Retail", true, 40.0f);
  return job;
}
}  // namespace

SIM_JobBase::SIM_JobBase(int guid, const std::string& name, const std::string& industry,
                         bool employed, float salary)
    : m_guid(guid), m_industry(industry), m_employed(employed), m_salary(salary) {
  SetName(name);
}

void SIM_JobBase::CalcInitialLastEarnings() { m_lastEarnings = m_salary; }

SIM_JobBase* SIM_JobBase::ChooseRandom() { return GetJobByGUID(1112); }

SIM_JobBase* SIM_JobBase::GetJobByGUID(int guid) {
  STAND_IN();  // one built-in job until the job table exists
  return guid == StartingJob().GetGUID() ? &StartingJob() : nullptr;
}

void SIM_JobBase::Open() { STAND_IN(); }

void SIM_JobBase::Close() {}

void SIM_JobBase::UpdateAvailability() {
  STAND_IN();
}

std::string SIM_JobBase::GetWorkplace() const {
  STAND_IN();
  return GTranslation::GetString("STANDIN_WORKPLACE");
}

std::string SIM_JobBase::GetEmployerName() const {
  STAND_IN();
  return "";
}

float SIM_JobBase::GetLastTip() const {
  STAND_IN();
  return -1.0f;
}

void SIM_JobBase::ClearLastTip() { STAND_IN(); }

float SIM_JobBase::GetTodaysPerformance() const {
  STAND_IN();
  return 0.5f;
}
