#include "SIM_Website.h"

#include "CSV.h"
#include "ExitCleanup.h"
#include "GDebug.h"
#include "SIM_ActivityTable.h"

std::list<SIM_Website*> SIM_Website::All;
bool SIM_Website::BOpened = false;

SIM_Website::SIM_Website() {
  RegisterExitCleanup(Close);
  All.push_back(this);
}

SIM_Website::~SIM_Website() { All.remove(this); }

void SIM_Website::Open(const char* file) {
  if (BOpened) return;
  Close();
  SIM_ReadActivityTable(file, "the web screen shows no website (Escape leaves it)",
                        [](const std::string& row, const std::string& origin) {
                          auto* site = new SIM_Website;
                          if (!site->Load(row, origin)) delete site;
                        });
  BOpened = true;
}

void SIM_Website::Close() {
  while (!All.empty()) delete All.front();
  BOpened = false;
}

bool SIM_Website::Load(const std::string& row, const std::string& origin) {
  SetOrigin(origin);
  CSV csv;
  csv.Initialise(row, ',', origin);
  csv.GetNextToken();  // the row marker
  m_name = csv.GetNextString();
  if (m_name.empty()) {
    GWarnRow(origin, "a website without a name; the row is skipped");
    return false;
  }
  SetSource(m_name);
  m_guiName = csv.GetNextString();
  m_tooltip = csv.GetNextString();
  if (m_guiName.empty()) m_guiName = m_name;
  SIM_ReadEffectColumns(csv, *this, origin, "website " + m_name);
  return true;
}
