#include "SIM_CharacterType.h"

#include <algorithm>
#include <cstdlib>

#include "CSV.h"
#include "CSpreadsheet.h"
#include "ExitCleanup.h"
#include "GDebug.h"
#include "GRandom.h"
#include "GTranslation.h"
#include "SIM_Attribute.h"
#include "SIM_GlobalVariable.h"
#include "SIM_Industry.h"
#include "SIM_JobBase.h"
#include "SIM_NPC.h"
#include "SIM_TableNumber.h"
#include "SIM_Vede.h"

std::list<SIM_CharacterType*> SIM_CharacterType::All;

namespace {
void ReleaseTypesAtExit() { SIM_CharacterType::Close(); }


bool Holds(const SIM_NPC* npc, const std::string& name) { return npc && npc->HasCharacterType(name.c_str()); }
}  // namespace

SIM_CharacterType::SIM_CharacterType(const std::string& name, const std::string& guiName,
                                     const std::string& description, const std::string& description2,
                                     float frequency, bool positive)
    : m_name(name),
      m_guiName(guiName),
      m_description(description),
      m_description2(description2),
      m_frequency(frequency),
      m_positive(positive) {
  RegisterExitCleanup(ReleaseTypesAtExit);
  All.push_back(this);
}

SIM_CharacterType::~SIM_CharacterType() { All.remove(this); }

void SIM_CharacterType::Open(const char* file) {
  Close();
  CSpreadsheet table(file);
  float total = 0.0f;
  for (size_t i = 0; i < table.size(); ++i) {
    const std::string origin = table.Origin(i);
    CSV csv;
    csv.Initialise(table[i], ',', origin);
    csv.GetNextToken();  // the row marker
    std::string name = csv.GetNextString();
    std::string guiName = csv.GetNextString();
    std::string description = csv.GetNextString();
    std::string description2 = csv.GetNextString();
    float frequency = people::TableFloat(csv.GetNextToken(), origin, "frequency");
    bool positive = people::TableFloat(csv.GetNextToken(), origin, "positive") != 0.0f;
    std::string effect = csv.GetNextToken();
    if (name.empty()) {
      std::string text = GFormat("%s: character type without a name", origin.c_str());
      GWarnOnce(text, text.c_str(), __FILE__, __LINE__);
      continue;
    }
    SIM_CharacterType* type = new SIM_CharacterType(name, guiName, description, description2, frequency, positive);
    type->SetEffect(effect);
    if (!csv.Finished()) type->SetOpposite(csv.GetNextString());
    total += frequency > 0.0f ? frequency : 0.0f;
  }
  if (All.empty()) {
    std::string text = GFormat("%s: no character types; people get none", file);
    GWarnOnce(text, text.c_str(), __FILE__, __LINE__);
  } else if (total <= 0.0f) {
    std::string text = GFormat("%s: every frequency is 0; types are given in table order", file);
    GWarnOnce(text, text.c_str(), __FILE__, __LINE__);
  }
}

void SIM_CharacterType::Close() {
  while (!All.empty()) delete All.front();
}

void SIM_CharacterType::SetEffect(const std::string& field) {
  if (field.size() <= 3) return;
  CSV parts;
  parts.Initialise(field.c_str(), ',', m_name.c_str());
  m_target = parts.GetNextString();
  m_effect = people::TableFloat(parts.GetNextToken(), "charactertypes " + m_name, "effect amount");
  std::string degrade = parts.GetNextString();
  if (!degrade.empty() && degrade[0] == '_') {
    m_degrade = SIM_GetGlobalVariables()->Get(degrade);
  } else {
    m_degrade = people::TableFloat(degrade, "charactertypes " + m_name, "effect degrade");
  }
}

SIM_CharacterType* SIM_CharacterType::GetByName(const std::string& name) {
  for (SIM_CharacterType* type : All) {
    if (type->m_name == name) return type;
  }
  GError(GFormat("character type %s not found", name.c_str()).c_str(), __FILE__, __LINE__);
  return nullptr;
}

float SIM_CharacterType::GetAdjustedFrequency(const SIM_CharacterType* type) {
  int holders = 0;
  for (const SIM_NPC* npc : SIM_NPC::All) {
    if (!npc->IsHidden() && npc->HasCharacterType(type->m_name.c_str())) ++holders;
  }
  if (holders >= 4) return type->m_frequency * 0.1f;
  if (holders >= 1) return std::clamp(type->m_frequency * (1.0f - 0.2f * (float)holders), 0.0f, 1.0f);
  float frequency = type->m_frequency;
  if (SIM_JobBase* job = SIM_GetVede()->GetJob()) {
    SIM_Industry* industry = SIM_Industry::GetIndustry(job->GetIndustryName());
    if (industry && industry->BoostsType(type)) frequency *= 2.0f;
  }
  return std::clamp(frequency, 0.0f, 1.0f);
}

SIM_CharacterType* SIM_CharacterType::ChooseRandom() {
  float total = 0.0f;
  for (const SIM_CharacterType* type : All) total += GetAdjustedFrequency(type);
  const float r = GRandom::RandReal(0.0f, total);
  float sum = 0.0f;
  if (total > 0.0f) {
    for (SIM_CharacterType* type : All) {
      sum += GetAdjustedFrequency(type);
      if (sum >= r) return type;
    }
  }
  // Nothing drawable is bad data that the table's reader has reported already.
  if (total <= 0.0f) return nullptr;
  GErrorOnce("ChooseRandom", "SIM_CharacterType::ChooseRandom() - Reached the end", __FILE__, __LINE__);
  return nullptr;
}

SIM_CharacterType* SIM_CharacterType::ChooseAdditional(const SIM_NPC* npc) {
  std::vector<SIM_CharacterType*> candidates;
  float total = 0.0f;
  for (SIM_CharacterType* type : All) {
    if (Holds(npc, type->m_name)) continue;
    if (!type->m_opposite.empty() && Holds(npc, type->m_opposite)) continue;
    candidates.push_back(type);
    total += type->m_frequency;
  }
  const float r = GRandom::RandReal(0.0f, total);
  float sum = 0.0f;
  if (total > 0.0f) {
    for (SIM_CharacterType* type : candidates) {
      sum += type->m_frequency;
      if (sum >= r) return type;
    }
  }
  if (total <= 0.0f) return nullptr;
  GErrorOnce("ChooseAdditional", "SIM_CharacterType::ChooseAdditional() - Reached the end", __FILE__, __LINE__);
  return nullptr;
}

void SIM_CharacterType::ApplyEffect(const char* source, float scale) const {
  if (m_effect == 0.0f) return;
  SIM_GetVede()->ApplyEffect(m_target, m_effect * scale, m_degrade, source ? source : "");
}

std::string SIM_CharacterType::GetTargetGUIName() const {
  if (m_target.empty()) return "";
  if (m_target == "vorla") return GTranslation::GetString("CHARACTERTYPE_VORLA");
  if (SIM_Attribute* attribute = SIM_Attribute::GetAttribute(m_target)) return attribute->GetGUIName();
  // The key is formatted into a 64-byte buffer.
  return GTranslation::GetString(("nv_" + m_target.substr(0, 60)).c_str());
}
