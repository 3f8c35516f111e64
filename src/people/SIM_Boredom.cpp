#include "SIM_Boredom.h"

#include "SIM_StandInLog.h"

void SIM_Boredom::AddEffect(const std::string& name, float amount) {
  STAND_IN();
  for (SIM_BoredomItem* item : m_items) {
    if (item->GetName() == name) {
      item->AddValue(amount);
      return;
    }
  }
  m_items.push_back(new SIM_BoredomItem(name, amount));
}

float SIM_Boredom::GetEffect(const std::string& name) const {
  for (const SIM_BoredomItem* item : m_items) {
    if (item->GetName() == name) return item->GetValue();
  }
  return 0.0f;
}

void SIM_Boredom::Clear() {
  for (SIM_BoredomItem* item : m_items) delete item;
  m_items.clear();
}
