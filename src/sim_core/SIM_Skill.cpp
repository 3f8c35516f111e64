#include "SIM_Skill.h"

#include <cstdlib>

#include "CSV.h"
#include "CSpreadsheet.h"
#include "ExitCleanup.h"
#include "GDebug.h"
#include "GTranslation.h"

std::list<SIM_Skill*> SIM_Skill::All;
std::list<SIM_SkillConfig*> SIM_SkillConfig::All;

namespace {
// Skills and their table still registered at exit are reclaimed before static objects go.
void ReleaseSkillsAtExit() {
  SIM_Skill::Clear();
  SIM_SkillConfig::Close();
}

std::string SkillGUIName(const std::string& name) {
  // The key is formatted into a 64-byte buffer: at most 60 characters of the name take part.
  return GTranslation::GetString(("nv_" + name.substr(0, 60)).c_str());
}
}  // namespace

SIM_Skill::SIM_Skill(const std::string& name)
    : SIM_NamedValue(name, SkillGUIName(name), 0.0f),
      m_degradeRate(SIM_SkillConfig::GetDegradeRate(name)) {
  RegisterExitCleanup(ReleaseSkillsAtExit);
  All.push_back(this);
}

SIM_Skill::~SIM_Skill() { All.remove(this); }

void SIM_Skill::NextDayAll() {
  for (SIM_Skill* skill : All) skill->NextDay();
}

void SIM_Skill::Clear() {
  while (!All.empty()) delete All.front();
}

SIM_Skill* SIM_Skill::GetSkill(const std::string& name) {
  for (SIM_Skill* skill : All) {
    if (skill->GetName() == name) return skill;
  }
  return nullptr;
}

SIM_SkillConfig::SIM_SkillConfig(const std::string& name, float degradeRate)
    : m_name(name), m_degradeRate(degradeRate) {
  RegisterExitCleanup(ReleaseSkillsAtExit);
  All.push_back(this);
}

SIM_SkillConfig::~SIM_SkillConfig() { All.remove(this); }

void SIM_SkillConfig::Open(const char* file) {
  Close();
  CSpreadsheet table(file);
  if (table.empty()) {
    // Reported once: every skill made later asks for the table again.
    std::string text = GFormat("Missing skills config: %s", file);
    GErrorOnce(text, text.c_str(), __FILE__, __LINE__);
    return;
  }
  for (size_t i = 0; i < table.size(); ++i) {
    CSV csv;
    csv.Initialise(table[i], ',', table.Origin(i));
    csv.GetNextToken();  // the row marker
    std::string name = csv.GetNextString();
    float rate = csv.GetNextFloat();
    if (name.empty()) {
      std::string text = GFormat("Skill row without a name in %s", table.Origin(i).c_str());
      GWarnOnce(text, text.c_str(), __FILE__, __LINE__);
      continue;
    }
    new SIM_SkillConfig(name, rate);
  }
}

void SIM_SkillConfig::Close() {
  while (!All.empty()) delete All.front();
}

float SIM_SkillConfig::GetDegradeRate(const std::string& name) {
  if (All.empty()) Open();
  for (SIM_SkillConfig* config : All) {
    if (config->m_name == name) return config->m_degradeRate;
  }
  return 1.0f;
}
