#pragma once
// A person's boredom with the activities it keeps doing. Each time counts; every day all boredom
// falls by a fixed step and small amounts are forgotten. Above 0.5 the person is bored of it.
#include <list>
#include <string>

#include "ProcessBase.h"

class SIM_BoredomItem {
 public:
  SIM_BoredomItem(const std::string& name, float value) : m_name(name), m_value(value) {}
  const std::string& GetName() const { return m_name; }
  float GetValue() const { return m_value; }
  void AddValue(float amount) { m_value += amount; }
  void Degrade();

 private:
  std::string m_name;
  float m_value;
};

class SIM_Boredom : public ProcessBase {
 public:
  SIM_Boredom() = default;
  ~SIM_Boredom() override { Clear(); }

  void AddEffect(const std::string& name, float amount);
  float GetEffect(const std::string& name) const;  // 0 when there is no item
  // Every item falls by BOREDOM_DEGRADE; those below 0.05 are removed.
  void Process() override;
  bool PruneItem();
  void Clear();
  const std::list<SIM_BoredomItem*>& GetItems() const { return m_items; }

 private:
  std::list<SIM_BoredomItem*> m_items;  // owned, in order of first use
};
