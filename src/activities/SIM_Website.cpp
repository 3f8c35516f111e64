#include "SIM_Website.h"

#include "GDebug.h"

SIM_Website::SIM_Website() { All.push_back(this); }

SIM_Website::~SIM_Website() { All.remove(this); }

void SIM_Website::Open(const char* file) { OpenTable(file, "the web screen shows no website (Escape leaves it)"); }

bool SIM_Website::Load(const std::string& row, const std::string& origin) {
  CSV csv;
  if (!StartRow(csv, row, origin, m_name, "website")) return false;
  m_guiName = csv.GetNextString();
  m_tooltip = csv.GetNextString();
  if (m_guiName.empty()) m_guiName = m_name;
  SIM_ReadEffectColumns(csv, *this, origin, "website " + m_name);
  return true;
}
