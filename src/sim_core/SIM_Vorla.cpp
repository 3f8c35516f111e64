#include "SIM_Vorla.h"

#include "SIM_GlobalVariable.h"
#include "SIM_Statistics.h"
#include "SIM_Vede.h"

SIM_Vorla* SIM_GetVorla() {
  static SIM_Vorla vorla;
  return &vorla;
}

void SIM_Vorla::AddEarnedVorla(float amount) {
  float degrade = SIM_GetGlobalVariables()->Get("_VORLA_DEGRADE");
  SIM_GetVede()->ApplyEffect("vorla", amount, degrade, "vorla");
  if (amount > 0.0f) SIM_GetStatistics()->ChangeCounter(amount, "VORLAEARNED");
}

bool SIM_Vorla::AddUniqueActivity(const std::string& name) {
  for (const std::string& known : m_uniqueActivities) {
    if (known == name) return false;
  }
  m_uniqueActivities.push_back(name);
  return true;
}
