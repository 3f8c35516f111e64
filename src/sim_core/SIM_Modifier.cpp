#include "SIM_Modifier.h"

#include <cctype>

#include "CSV.h"
#include "GDebug.h"
#include "GTranslation.h"
#include "SIM_GlobalVariable.h"
#include "SIM_NamedValue.h"
#include "SIM_Vede.h"

namespace {
std::string Trim(const std::string& text) {
  size_t start = 0;
  while (start < text.size() && isspace((unsigned char)text[start])) ++start;
  size_t end = text.size();
  while (end > start && isspace((unsigned char)text[end - 1])) --end;
  return text.substr(start, end - start);
}

// A number, or the key of a tuning variable when the text begins with "_".
float NumberOrTuning(const std::string& text) {
  if (!text.empty() && text[0] == '_') return SIM_GetGlobalVariables()->Get(text);
  return CSV::ParseFloat(text.c_str());
}
}  // namespace

void SIM_Modifier::SetName(const std::string& name) {
  m_name = name;
  m_guiName = GTranslation::GetString(("nv_" + name).c_str());
}

float SIM_Modifier::GetDegradeValue() const { return NumberOrTuning(m_degrade); }

bool SIM_Modifier::Parse(const char* text, const std::string& source, const std::string& origin) {
  if (!text || text[0] == '\0' || text[1] == '\0') return false;
  unsigned char first = (unsigned char)text[0];
  if (!isalnum(first) && first != '_') return false;

  CSV csv;
  csv.Initialise(text, ',', CSV::FieldOrigin(origin, text).c_str());
  // "nv_" and the name share a 64-byte buffer, so at most 60 characters of the name count.
  std::string name = Trim(csv.GetNextToken()).substr(0, 60);
  std::string value = Trim(csv.GetNextToken()).substr(0, 63);
  std::string degrade;
  if (!csv.Finished()) degrade = Trim(csv.GetNextToken());

  SetName(name);
  m_value = NumberOrTuning(value);
  m_degrade = degrade;
  m_source = source;
  Verify();
  return true;
}

void SIM_Modifier::Apply(float scale) {
  float amount = m_value * scale;
  if (m_name.find("glob_") != std::string::npos) {
    SIM_NamedValue* global = SIM_NamedValueList::Globals.GetNamedValue(m_name);
    if (global) {
      global->ProcOperator("+=", amount);
    } else {
      SIM_NamedValueList::Globals.AddValue(new SIM_NamedValue(m_name, m_guiName, amount));
    }
    return;
  }
  SIM_GetVede()->ApplyEffect(m_name, amount, GetDegradeValue(), m_source);
}

void SIM_ModifierContainer::AddModifier(const char* text) {
  SIM_Modifier* modifier = new SIM_Modifier();
  if (!modifier->Parse(text, m_source, m_origin)) {
    delete modifier;
    return;
  }
  m_modifiers.push_back(modifier);
}

SIM_ModifierContainer::~SIM_ModifierContainer() {
  for (SIM_Modifier* modifier : m_modifiers) delete modifier;
}

void SIM_ModifierContainer::ApplyModifiers(float scale) {
  for (SIM_Modifier* modifier : m_modifiers) modifier->Apply(scale);
}

float SIM_ModifierContainer::GetModifierValue(const std::string& name) {
  for (SIM_Modifier* modifier : m_modifiers) {
    if (modifier->GetName() == name) return modifier->GetValue();
  }
  std::string text = "Failed to get modifier value: " + name + " (of " + m_source +
                     (m_origin.empty() ? std::string() : ", " + m_origin) + ")";
  GWarnOnce("SIM_ModifierContainer:" + m_source + ":" + name, text.c_str(), __FILE__, __LINE__);
  return 0.0f;
}
