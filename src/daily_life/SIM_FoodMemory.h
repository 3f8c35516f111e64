#pragma once
// The main courses the player has eaten lately: the same dish twice within two weeks is boring.
#include <cstdint>
#include <list>
#include <string>

struct SIM_FoodMemoryItem {
  std::string name;
  int32_t turn = 0;  // the game's turn count when it was eaten
};

class SIM_FoodMemory {
 public:
  ~SIM_FoodMemory();
  static void Open();  // forgets every meal (new game and load)

  void Add(const std::string& dish);
  bool IsBoringChoice(const std::string& dish) const;
  bool PruneOldData();  // removes the oldest item older than two weeks; false when none is
  void Clear();
  // For the savegame: an item as it was saved, turn and all.
  void Restore(const std::string& dish, int32_t turn);
  const std::list<SIM_FoodMemoryItem*>& GetItems() const { return m_items; }

 private:
  std::list<SIM_FoodMemoryItem*> m_items;  // owned
};

SIM_FoodMemory* SIM_GetFoodMemory();
