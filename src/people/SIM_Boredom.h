#pragma once
// A person's boredom with the activities it keeps doing. Stand-in until the people subsystem
// arrives: it keeps the items (name and value) so the diagnostic dialog has something to show;
// the daily fall and the pruning come with the real record.
#include <list>
#include <string>

class SIM_BoredomItem {
 public:
  SIM_BoredomItem(const std::string& name, float value) : m_name(name), m_value(value) {}
  const std::string& GetName() const { return m_name; }
  float GetValue() const { return m_value; }
  void AddValue(float amount) { m_value += amount; }

 private:
  std::string m_name;
  float m_value;
};

class SIM_Boredom {
 public:
  SIM_Boredom() = default;
  virtual ~SIM_Boredom() { Clear(); }
  SIM_Boredom(const SIM_Boredom&) = delete;
  SIM_Boredom& operator=(const SIM_Boredom&) = delete;

  void AddEffect(const std::string& name, float amount);
  float GetEffect(const std::string& name) const;  // 0 when there is no item
  void Clear();
  const std::list<SIM_BoredomItem*>& GetItems() const { return m_items; }

 private:
  std::list<SIM_BoredomItem*> m_items;  // owned, in order of first use
};
