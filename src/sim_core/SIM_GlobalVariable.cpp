#include "SIM_GlobalVariable.h"

#include "CSV.h"
#include "GDebug.h"
#include "IniLoader.h"

namespace {
void ReportMissing(const std::string& key) {
  std::string text = "Missing Global variable: " + key;
  GErrorOnce("SIM_GlobalVariable:" + key, text.c_str(), __FILE__, __LINE__);
}
}  // namespace

SIM_GlobalVariable* SIM_GetGlobalVariables() {
  static SIM_GlobalVariable* table = new SIM_GlobalVariable();
  return table;
}

void SIM_GlobalVariable::Load(const char* file) {
  m_vars.clear();
  IniLoader loader;
  loader.LoadSection("config", file);
  char key[2048];
  char value[31];
  while (loader.GetNextLine(key, sizeof key, value, sizeof value)) {
    SIM_GVAR var;
    var.name = key;
    var.value = CSV::ParseFloat(value);
    m_vars.push_back(var);
  }
  if (m_vars.empty()) {
    std::string text = GFormat("No tuning variables in section \"config\" of %s", file);
    GWarnOnce(text, text.c_str(), __FILE__, __LINE__);
  }
}

float SIM_GlobalVariable::Get(const std::string& key) {
  for (const SIM_GVAR& var : m_vars) {
    if (var.name == key) return var.value;
  }
  ReportMissing(key);
  return 0.0f;
}

void SIM_GlobalVariable::Set(const std::string& key, float value) {
  for (SIM_GVAR& var : m_vars) {
    if (var.name == key) {
      var.value = value;
      return;
    }
  }
  ReportMissing(key);
}

bool SIM_GlobalVariable::Has(const std::string& key) const {
  for (const SIM_GVAR& var : m_vars) {
    if (var.name == key) return true;
  }
  return false;
}
