#pragma once
// Traits an NPC has but the player never sees, only meets in its reactions: allergies to pets,
// an understanding or a neurotic nature ("data/simulation/hidden_attributes.csv"). Each has a
// chance to be given to a new NPC and may be excluded by one given before it.
#include <list>
#include <string>
#include <vector>

class SIM_HiddenAttribute {
 public:
  SIM_HiddenAttribute(const std::string& name, float chance, const std::string& excluded);
  virtual ~SIM_HiddenAttribute();
  SIM_HiddenAttribute(const SIM_HiddenAttribute&) = delete;
  SIM_HiddenAttribute& operator=(const SIM_HiddenAttribute&) = delete;

  static void Open(const char* file = "data/simulation/hidden_attributes.csv");
  static void Close();
  // Appends the traits won by chance draws; the table is read on first use.
  static void Choose(std::vector<std::string>* names);

  const std::string& GetName() const { return m_name; }
  float GetChance() const { return m_chance; }
  const std::string& GetExcluded() const { return m_excluded; }

  static std::list<SIM_HiddenAttribute*> All;

 private:
  std::string m_name;
  float m_chance;
  std::string m_excluded;
};
