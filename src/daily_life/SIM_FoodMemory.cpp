#include "SIM_FoodMemory.h"

#include "ExitCleanup.h"
#include "SIM_SIM.h"
#include "SIM_StandInLog.h"

namespace {

// Two weeks: a dish eaten longer ago than this is forgotten.
constexpr int32_t kFoodMemoryDays = 14;
constexpr int kTimesToBore = 2;

SIM_FoodMemory* g_foodMemory = nullptr;

void DestroyFoodMemory() {
  delete g_foodMemory;
  g_foodMemory = nullptr;
}

int32_t TurnsAgo(const SIM_FoodMemoryItem* item) { return SIM_GetSim()->GetTurnCount() - item->turn; }

}  // namespace

SIM_FoodMemory* SIM_GetFoodMemory() {
  if (!g_foodMemory) {
    g_foodMemory = new SIM_FoodMemory;
    RegisterExitCleanup(DestroyFoodMemory);
  }
  return g_foodMemory;
}

SIM_FoodMemory::~SIM_FoodMemory() { Clear(); }

void SIM_FoodMemory::Open() {
  SIM_StandInLog::Record("SIM_FoodMemory::Open");
  SIM_GetFoodMemory()->Clear();
}

void SIM_FoodMemory::Clear() {
  for (SIM_FoodMemoryItem* item : m_items) delete item;
  m_items.clear();
}

void SIM_FoodMemory::Add(const std::string& dish) {
  Restore(dish, SIM_GetSim()->GetTurnCount());
  while (PruneOldData()) {
  }
}

void SIM_FoodMemory::Restore(const std::string& dish, int32_t turn) {
  auto* item = new SIM_FoodMemoryItem;
  item->name = dish;
  item->turn = turn;
  m_items.push_back(item);
}

bool SIM_FoodMemory::PruneOldData() {
  for (auto it = m_items.begin(); it != m_items.end(); ++it) {
    if (TurnsAgo(*it) > kFoodMemoryDays) {
      delete *it;
      m_items.erase(it);
      return true;
    }
  }
  return false;
}

bool SIM_FoodMemory::IsBoringChoice(const std::string& dish) const {
  int count = 0;
  for (const SIM_FoodMemoryItem* item : m_items)
    if (item->name == dish && TurnsAgo(item) < kFoodMemoryDays) ++count;
  return count >= kTimesToBore;
}
