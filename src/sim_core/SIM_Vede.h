#pragma once
// The player character: the single entry through which the game reads any named quantity of the
// player (GetValue) and changes one (ApplyEffect).
#include <cstdint>
#include <string>

#include "SIM_NamedValue.h"
#include "SIM_Person.h"

class SIM_JobInstance;

class SIM_Vede : public SIM_Person {
 public:
  SIM_Vede();
  ~SIM_Vede() override;

  bool IsIntroduced() override { return true; }
  void SetJob(SIM_JobBase* job) override;

  void Initialise();  // new-game set-up
  void Release() {}
  // Rebuilds the attribute list from "data/simulation/attributes.csv" (or `file`), seeds the
  // starting bases from the new-game variables and resolves the links.
  void LoadAttributes(const char* file = "data/simulation/attributes.csv");
  void InitAttrib(const char* name, float value);  // clamped base of the named attribute
  void GetGenderFromTexture(const char* texture);

  // The attribute, else the skill, else the game-wide value, else "income" (the daily salary),
  // else 0.
  float GetValue(const std::string& name);
  SIM_NamedValue* GetNamedValue(const std::string& name, bool create);
  void ApplyEffect(const std::string& name, float amount, float degrade, const std::string& source);
  float GetAdjustedEffect(const std::string& name, float amount);
  void RecalcAttributes();

  float GetConcentration();
  float GetConcentrationTiredness() const { return m_tirednessTerm; }
  float GetConcentrationAlcohol() const { return m_alcoholTerm; }
  float GetConcentrationStress() const { return m_stressTerm; }
  bool IsTired();

  SIM_JobInstance* GetJobInstance() const { return m_jobInstance; }
  int32_t GetAge() const { return m_age; }
  void SetAge(int32_t age) { m_age = age; }
  void Birthday() { ++m_age; }

  int CountSkills() const { return (int)m_skills.Count(); }
  float CountSkillPoints();
  int GetAccomplishment();

  SIM_NamedValueList& GetAttributes() { return m_attributes; }
  SIM_NamedValueList& GetSkills() { return m_skills; }

  void SetNames(const std::string& forename, const std::string& surname);
  void SetPortraitTexture(const std::string& texture) { m_portrait = texture; }

  void _dbg_CheatEffect(const char* name, float amount);

  // The derived formulas, kept apart so they can be checked on their own.
  // Loneliness: at least 0.25 with fewer than 4 friends, at least 0.5 with fewer than 3.
  static float LonelinessFor(float calculated, int friends);
  // Happiness: base plus the pull of optimism, stress, loneliness and boredom, clamped.
  static float HappinessFor(float calculated, float optimism, float stress, float loneliness,
                            float boredom);

 private:
  float AttributeValue(const char* name);  // stored value of the attribute, clamped; 0 when absent

  SIM_NamedValueList m_attributes;
  SIM_NamedValueList m_skills;
  SIM_JobInstance* m_jobInstance = nullptr;
  float m_tirednessTerm = 0.0f;
  float m_alcoholTerm = 0.0f;
  float m_stressTerm = 0.0f;
  int32_t m_age = 20;
};

SIM_Vede* SIM_GetVede();
