#include "SIM_Industry.h"

#include <algorithm>

#include "CSV.h"
#include "GDebug.h"
#include "SIM_CharacterType.h"
#include "SIM_NamedValue.h"
#include "SIM_StandInLog.h"

std::vector<SIM_Industry*> SIM_Industry::All;

SIM_Industry::SIM_Industry() { All.push_back(this); }

SIM_Industry::~SIM_Industry() { All.erase(std::remove(All.begin(), All.end(), this), All.end()); }

bool SIM_Industry::Load(CSV& csv, const std::string& origin) {
  m_name = csv.GetNextString();
  if (m_name.empty()) {
    std::string text = GFormat("%s: industry without a name; row skipped", origin.c_str());
    GWarnOnce(text, text.c_str(), __FILE__, __LINE__);
    return false;
  }
  m_guiName = csv.GetNextString();
  CSV list;
  list.Initialise(csv.GetNextToken(), ',', CSV::FieldOrigin(origin, "boosted types").c_str());
  while (!list.Finished()) {
    std::string type = list.GetNextString();
    size_t start = type.find_first_not_of(' ');
    if (start != std::string::npos) m_boostedTypes.push_back(type.substr(start));
  }
  m_jobOfferText = csv.GetNextString();
  m_jobRejectionText = csv.GetNextString();
  return true;
}

void SIM_Industry::ClearGlobalFlags() {
  SIM_StandInLog::Record("SIM_Industry::ClearGlobalFlags");
  for (SIM_Industry* industry : All) SIM_NamedValueList::ForceGlobal(industry->m_name, 0.0f);
}

SIM_Industry* SIM_Industry::GetIndustry(const std::string& name) {
  for (SIM_Industry* industry : All) {
    if (industry->m_name == name) return industry;
  }
  return nullptr;
}

void SIM_Industry::CloseAll() {
  while (!All.empty()) delete All.back();
}

bool SIM_Industry::BoostsType(const std::string& characterType) const {
  return std::find(m_boostedTypes.begin(), m_boostedTypes.end(), characterType) != m_boostedTypes.end();
}

bool SIM_Industry::BoostsType(const SIM_CharacterType* type) const { return type && BoostsType(type->GetName()); }
