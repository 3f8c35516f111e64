#include "SIM_HiddenAttribute.h"

#include "CSV.h"
#include "CSpreadsheet.h"
#include "ExitCleanup.h"
#include "GDebug.h"
#include "GRandom.h"
#include "SIM_TableNumber.h"

std::list<SIM_HiddenAttribute*> SIM_HiddenAttribute::All;

namespace {
void ReleaseTraitsAtExit() { SIM_HiddenAttribute::Close(); }
}  // namespace

SIM_HiddenAttribute::SIM_HiddenAttribute(const std::string& name, float chance, const std::string& excluded)
    : m_name(name), m_chance(chance), m_excluded(excluded) {
  RegisterExitCleanup(ReleaseTraitsAtExit);
  All.push_back(this);
}

SIM_HiddenAttribute::~SIM_HiddenAttribute() { All.remove(this); }

void SIM_HiddenAttribute::Open(const char* file) {
  Close();
  CSpreadsheet table(file);
  for (size_t i = 0; i < table.size(); ++i) {
    const std::string origin = table.Origin(i);
    CSV csv;
    csv.Initialise(table[i], ',', origin);
    csv.GetNextToken();  // the row marker
    std::string name = csv.GetNextString();
    float chance = people::TableFloat(csv.GetNextToken(), origin, "chance");
    std::string excluded = csv.Finished() ? std::string() : csv.GetNextString();
    if (name.empty()) {
      std::string text = GFormat("%s: hidden trait without a name", origin.c_str());
      GWarnOnce(text, text.c_str(), __FILE__, __LINE__);
      continue;
    }
    new SIM_HiddenAttribute(name, chance, excluded);
  }
  if (All.empty()) {
    // The table is asked for again at every new person: said once.
    std::string text = GFormat("%s: no hidden traits; people get none", file);
    GWarnOnce(text, text.c_str(), __FILE__, __LINE__);
  }
}

void SIM_HiddenAttribute::Close() {
  while (!All.empty()) delete All.front();
}

void SIM_HiddenAttribute::Choose(std::vector<std::string>* names) {
  if (All.empty()) Open();
  if (!names) return;
  for (const SIM_HiddenAttribute* trait : All) {
    if (!GRandom::IsChance(trait->m_chance)) continue;
    bool excluded = false;
    if (!trait->m_excluded.empty()) {
      for (const std::string& held : *names) excluded = excluded || held == trait->m_excluded;
    }
    if (!excluded) names->push_back(trait->m_name);
  }
}
