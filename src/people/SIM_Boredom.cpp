#include "SIM_Boredom.h"

#include "SIM_GlobalVariable.h"

namespace {
// Boredom below this is forgotten.
constexpr float kFaintestBoredom = 0.05f;
}  // namespace

void SIM_BoredomItem::Degrade() { m_value -= SIM_GetGlobalVariables()->Get("BOREDOM_DEGRADE"); }

void SIM_Boredom::AddEffect(const std::string& name, float amount) {
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

void SIM_Boredom::Process() {
  if (m_items.empty()) return;
  for (SIM_BoredomItem* item : m_items) item->Degrade();
  while (PruneItem()) {
  }
}

bool SIM_Boredom::PruneItem() {
  for (auto it = m_items.begin(); it != m_items.end(); ++it) {
    if ((*it)->GetValue() < kFaintestBoredom) {
      delete *it;
      m_items.erase(it);
      return true;
    }
  }
  return false;
}

void SIM_Boredom::Clear() {
  for (SIM_BoredomItem* item : m_items) delete item;
  m_items.clear();
}
