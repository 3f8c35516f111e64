#pragma once
// The game's tuning numbers, read once from "data\config.txt" section "config" and looked up by
// exact, case-sensitive key. The first of two equal keys wins.
#include <string>
#include <vector>

struct SIM_GVAR {
  std::string name;
  float value = 0.0f;
};

class SIM_GlobalVariable {
 public:
  void Load(const char* file = "data\\config.txt");
  // Missing key: "Missing Global variable" once per key (debug log, one alert) and 0.0.
  float Get(const std::string& key);
  void Set(const std::string& key, float value);
  void Save() {}
  bool Has(const std::string& key) const;
  const std::vector<SIM_GVAR>& GetAll() const { return m_vars; }

 private:
  std::vector<SIM_GVAR> m_vars;
};

SIM_GlobalVariable* SIM_GetGlobalVariables();
