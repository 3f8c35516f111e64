#include "SIM_CommuteMethod.h"

#include <memory>

#include "CSV.h"
#include "CSpreadsheet.h"
#include "ExitCleanup.h"
#include "GDebug.h"
#include "GFileList.h"
#include "SIM_Finances.h"
#include "SIM_JobBase.h"
#include "SIM_NamedValue.h"
#include "SIM_SIM.h"
#include "SIM_StandInLog.h"
#include "SIM_Vede.h"

std::list<SIM_CommuteMethod*> SIM_CommuteMethod::All;
std::list<SIM_CommuteMethod*>::iterator SIM_CommuteMethod::CurrentIt = SIM_CommuteMethod::All.end();

namespace {

// The player's job's commute distance in miles; no job, no distance.
float JobDistance() {
  SIM_JobBase* job = SIM_GetVede()->GetJob();
  return job ? job->GetCommuteDistance() : 0.0f;
}

}  // namespace

SIM_CommuteMethod::SIM_CommuteMethod() {
  RegisterExitCleanup(Close);
  All.push_back(this);
}

SIM_CommuteMethod::~SIM_CommuteMethod() {
  if (GetCurrent() == this) CurrentIt = All.end();
  All.remove(this);
}

void SIM_CommuteMethod::Open(const char* file) {
  Close();
  std::unique_ptr<CSpreadsheet> sheet;
  if (file && GFile::FileExists(file)) sheet.reset(CSpreadsheet::Create(file));
  if (sheet) {
    for (size_t row = 0; row < sheet->size(); ++row) {
      SIM_CommuteMethod* method = new SIM_CommuteMethod;
      method->Load(sheet->at(row), sheet->Origin(row));
      if (method->m_name.empty()) {
        GWarnOnce(sheet->Origin(row), GFormat("%s: a commute method without a name; the row is skipped",
                                              sheet->Origin(row).c_str()).c_str(),
                  __FILE__, __LINE__);
        delete method;
      }
    }
  }
  if (All.empty()) {
    // Without a single way to work the player still goes to work: every leg is free.
    GWarnOnce(GFormat("commute:%s", file ? file : ""),
              GFormat("%s: no commute methods (file missing or empty); every trip to work is free",
                      file ? file : "(no file named)").c_str(),
              __FILE__, __LINE__);
  }
  CurrentIt = All.begin();
}

void SIM_CommuteMethod::Close() {
  while (!All.empty()) delete All.front();
  CurrentIt = All.end();
}

void SIM_CommuteMethod::Load(const std::string& row, const std::string& origin) {
  CSV csv;
  csv.Initialise(row, ',', origin);
  csv.GetNextToken();  // the row marker
  m_name = csv.GetNextString();
  m_guiName = csv.GetNextString();
  m_description = csv.GetNextString();
  m_verbData = csv.GetNextString();
  m_currentPlan = csv.GetNextString();
  m_maySwitch = csv.GetNextInt() != 0;
  m_canUseMP3 = csv.GetNextString() == "MP3";
  m_sound = csv.GetNextString();
  m_range = csv.GetNextFloat();
  m_costPerMile = csv.GetNextFloat();
  m_minimumFare = csv.GetNextFloat();
  // The table's order of the weather columns is rain, cloud, sun, snow.
  m_stress[2] = csv.GetNextFloat();
  m_stress[1] = csv.GetNextFloat();
  m_stress[0] = csv.GetNextFloat();
  m_stress[3] = csv.GetNextFloat();
  m_oneOffScript = csv.GetNextString();
  m_perMileScript = csv.GetNextString();
  m_boredomScript = csv.GetNextString();
  m_requiredValue = csv.GetNextString();
}

void SIM_CommuteMethod::MakeCurrent() {
  for (auto it = All.begin(); it != All.end(); ++it) {
    if (*it == this) {
      CurrentIt = it;
      return;
    }
  }
}

void SIM_CommuteMethod::SetMethodByName(const std::string& name) {
  SIM_StandInLog::Record("SIM_CommuteMethod::SetMethodByName");
  // Without a table Open has said so already; there is nothing to choose from.
  if (All.empty()) return;
  SIM_CommuteMethod* method = GetByName(name);
  if (!method) {
    GError(GFormat("Unknown commute method name \"%s\"", name.c_str()).c_str(), __FILE__, __LINE__);
    return;
  }
  method->MakeCurrent();
}

SIM_CommuteMethod* SIM_CommuteMethod::GetByName(const std::string& name) {
  for (SIM_CommuteMethod* method : All) {
    if (method->m_name == name) return method;
  }
  return nullptr;
}

void SIM_CommuteMethod::CheckValidMethod() {
  SIM_StandInLog::Record("SIM_CommuteMethod::CheckValidMethod");
  SIM_CommuteMethod* current = GetCurrent();
  if (!current) return;
  if (!current->IsSelectable()) {
    if (SIM_CommuteMethod* walk = GetByName("walk")) {
      walk->MakeCurrent();
      current = walk;
    }
  }
  if (current->m_range > 0.0f && JobDistance() > current->m_range) {
    if (SIM_CommuteMethod* bus = GetByName("bus")) bus->MakeCurrent();
  }
}

float SIM_CommuteMethod::GetCost(float miles) const {
  const float fare = m_costPerMile * miles;
  return fare > m_minimumFare ? fare : m_minimumFare;
}

float SIM_CommuteMethod::GetStress(int weatherType) const {
  return weatherType >= 0 && weatherType < 4 ? m_stress[weatherType] : 0.0f;
}

bool SIM_CommuteMethod::IsInRange() const {
  if (m_range < 0.0f) return true;
  SIM_JobBase* job = SIM_GetVede()->GetJob();
  GAssert(job != nullptr, __FILE__, __LINE__);
  if (!job) return true;
  return job->GetCommuteDistance() <= m_range;
}

bool SIM_CommuteMethod::HasSkills() const {
  if (m_requiredValue.size() < 2) return true;
  return SIM_GetVede()->GetValue(m_requiredValue) >= 1.0f;
}

bool SIM_CommuteMethod::HasAssets() const {
  SIM_NamedValueList& globals = SIM_NamedValueList::Globals;
  if (m_name == "car") {
    return globals.IsTrue("cheapcar") || globals.IsTrue("expensivecar") || globals.IsTrue("midrangecar");
  }
  if (m_name == "bicycle" || m_name == "motorbike" || m_name == "skateboard") return globals.IsTrue(m_name);
  return true;
}

bool SIM_CommuteMethod::Affordable() const {
  const float distance = JobDistance();
  const float fare = GetCost(distance);
  if (fare <= 0.0f || fare <= SIM_GetFinances()->GetCash()) return true;
  // The bus is the way to a job beyond walking distance, money or not: the player is never stuck.
  if (m_name == "bus") {
    const SIM_CommuteMethod* walk = GetByName("walk");
    if (walk && walk->m_range >= 0.0f && distance > walk->m_range) return true;
  }
  return false;
}

bool SIM_CommuteMethod::IsSelectable() const {
  if (SIM_GetSim()->GetTurnMode() == SIM_SIM::TURNMODE_WORKDAY) {
    const SIM_CommuteMethod* current = GetCurrent();
    if (current && current != this && !current->m_maySwitch) return false;
  }
  return HasAssets() && HasSkills() && IsInRange() && Affordable();
}
