#pragma once
// What the player learns. A change is added at once; each night the value is multiplied by the
// skill's own rate from "data/simulation/skills.csv" (1.0, no decay, for a skill not listed).
#include <list>
#include <string>

#include "SIM_NamedValue.h"

class SIM_Skill : public SIM_NamedValue {
 public:
  explicit SIM_Skill(const std::string& name);
  ~SIM_Skill() override;

  void NextDay() { m_value *= m_degradeRate; }  // not clamped
  float GetDegradeRate() const { return m_degradeRate; }

  static void NextDayAll();
  static void Clear();  // destroys every skill (new game)
  static SIM_Skill* GetSkill(const std::string& name);  // null when absent
  static std::list<SIM_Skill*> All;

 private:
  float m_degradeRate = 1.0f;
};

class SIM_SkillConfig {
 public:
  SIM_SkillConfig(const std::string& name, float degradeRate);
  virtual ~SIM_SkillConfig();

  const std::string& GetName() const { return m_name; }
  float GetRate() const { return m_degradeRate; }

  // Close, then one config per row of the table; a missing table: "Missing skills config".
  static void Open(const char* file = "data/simulation/skills.csv");
  static void Close();
  // Opens the table first when nothing is loaded; the first row of that name; 1.0 when absent.
  static float GetDegradeRate(const std::string& name);
  static std::list<SIM_SkillConfig*> All;

 private:
  std::string m_name;
  float m_degradeRate = 0.0f;
};
