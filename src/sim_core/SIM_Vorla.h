#pragma once
// The gateway for renown ("vorla"): earnings become a decaying effect on the player's value, and
// each activity earns its first-time renown once.
#include <string>
#include <vector>

class SIM_Vorla {
 public:
  void AddEarnedVorla(float amount);
  // True the first time a name is offered, false ever after.
  bool AddUniqueActivity(const std::string& name);
  void Initialise() { m_uniqueActivities.clear(); }
  void ProcessTurn() {}
  const std::vector<std::string>& GetUniqueActivities() const { return m_uniqueActivities; }

 private:
  std::vector<std::string> m_uniqueActivities;
};

SIM_Vorla* SIM_GetVorla();
