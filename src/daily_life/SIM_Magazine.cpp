#include "SIM_Magazine.h"

#include <cstdlib>

#include "CSV.h"
#include "CSpreadsheet.h"
#include "ExitCleanup.h"
#include "GDebug.h"
#include "SIM_Date.h"
#include "SIM_MagazineAsset.h"
#include "SIM_Script.h"
#include "SIM_StandInLog.h"

std::list<SIM_Magazine*> SIM_Magazine::All;

namespace {
// A title holding this many unfinished issues gets no new one until one is finished.
constexpr size_t kMaxHeldIssues = 2;
constexpr int kNewIssueDayOfWeek = 4;

void ReleaseMagazinesAtExit() { SIM_Magazine::Close(); }

}  // namespace

SIM_Magazine::SIM_Magazine() {
  RegisterExitCleanup(ReleaseMagazinesAtExit);
  All.push_back(this);
}

SIM_Magazine::~SIM_Magazine() {
  All.remove(this);
  // Each issue leaves m_issues as it goes.
  while (!m_issues.empty()) delete m_issues.front();
}

void SIM_Magazine::Open(const char* file) {
  SIM_StandInLog::Record("SIM_Magazine::Open");
  Close();
  CSpreadsheet sheet(file);
  for (size_t row = 0; row < sheet.size(); ++row) {
    CSV csv;
    csv.Initialise(sheet[row], ',', sheet.Origin(row));
    auto* title = new SIM_Magazine;
    title->Load(csv);
    if (title->m_name.empty()) {
      GWarnOnce(sheet.Origin(row) + ":magazine", (sheet.Origin(row) + ": a magazine without a name; the row is skipped").c_str(),
                __FILE__, __LINE__);
      delete title;
      continue;
    }
    const std::string price = csv.GetNextString();
    if (!CSV::IsNumber(price)) {
      const std::string text = sheet.Origin(row) + ": price \"" + price + "\" of magazine " + title->m_name + " is not a number; taken as 0";
      GWarnOnce(text, text.c_str(), __FILE__, __LINE__);
    } else {
      title->m_price = CSV::ParseFloat(price.c_str());
    }
    title->m_readScript = csv.GetNextString();
    title->Refresh();
  }
}

void SIM_Magazine::Load(CSV& row) {
  row.GetNextToken();  // the row marker
  m_name = row.GetNextString();
  m_guiName = row.GetNextString();
  m_description = row.GetNextString();
  m_texture = row.GetNextString();
}

void SIM_Magazine::Close() {
  while (!All.empty()) delete All.front();
}

SIM_Magazine* SIM_Magazine::GetByName(const std::string& name) {
  for (SIM_Magazine* title : All) {
    if (title->m_name == name) return title;
  }
  return nullptr;
}

void SIM_Magazine::RefreshAll() {
  for (SIM_Magazine* title : All) title->Refresh();
}

void SIM_Magazine::UpdateAll() {
  SIM_StandInLog::Record("SIM_Magazine::UpdateAll");
  if (SIM_Date::PPresentDay && SIM_Date::PPresentDay->GetDayOfWeek() == kNewIssueDayOfWeek) RefreshAll();
}

void SIM_Magazine::Read() {
  SIM_GetScript()->RunScript(m_readScript, 1.0f);
  SIM_GetScript()->RunScript("read_magazine.txt", 1.0f);
}

void SIM_Magazine::Refresh() {
  for (auto it = m_issues.begin(); it != m_issues.end();) {
    SIM_MagazineAsset* issue = *it++;  // the issue unlinks itself
    if (!issue->IsOwned()) delete issue;
  }
  if (m_issues.size() <= kMaxHeldIssues) AddIssue();
}

SIM_MagazineAsset* SIM_Magazine::AddIssue() {
  auto* issue = new SIM_MagazineAsset(this);
  m_issues.push_back(issue);
  return issue;
}

SIM_MagazineAsset* SIM_Magazine::GetIssue(size_t index) {
  while (m_issues.size() <= index) AddIssue();
  auto it = m_issues.begin();
  std::advance(it, (long)index);
  return *it;
}

SIM_MagazineAsset* SIM_Magazine::GetUnownedIssue() {
  for (SIM_MagazineAsset* issue : m_issues) {
    if (!issue->IsOwned()) return issue;
  }
  return AddIssue();
}
