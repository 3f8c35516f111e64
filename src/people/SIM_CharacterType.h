#pragma once
// The character types of the town's people ("data/simulation/charactertypes.csv"). Every NPC has
// a main type, drawn with a weight that falls as more people of the town hold it, and an
// additional one it does not hold and that does not clash with what it holds. A type may carry an
// effect on the player, felt when the two spend time together.
#include <list>
#include <string>

class SIM_NPC;

class SIM_CharacterType {
 public:
  SIM_CharacterType(const std::string& name, const std::string& guiName, const std::string& description,
                    const std::string& description2, float frequency, bool positive);
  virtual ~SIM_CharacterType();
  SIM_CharacterType(const SIM_CharacterType&) = delete;
  SIM_CharacterType& operator=(const SIM_CharacterType&) = delete;

  static void Open(const char* file = "data/simulation/charactertypes.csv");
  static void Close();
  static SIM_CharacterType* GetByName(const std::string& name);  // null (with an error) when none

  // The main type, weighted by GetAdjustedFrequency; null (with an error) when nothing is drawable.
  static SIM_CharacterType* ChooseRandom();
  // A type the NPC does not hold whose opposite it does not hold, weighted by the base frequency.
  static SIM_CharacterType* ChooseAdditional(const SIM_NPC* npc);
  static float GetAdjustedFrequency(const SIM_CharacterType* type);

  bool IsOpposite(const SIM_CharacterType* other) const { return other && other->m_name == m_opposite; }
  void ApplyEffect(const char* source, float scale) const;
  // "" without a target; the renown's own name, an attribute's display name, else "nv_" + target.
  std::string GetTargetGUIName() const;

  // Parses the effect field "target,amount,degrade"; a degrade beginning with "_" names a tuning
  // number. Ignored when 3 characters or shorter.
  void SetEffect(const std::string& field);
  void SetOpposite(const std::string& opposite) { m_opposite = opposite; }

  std::string GetName() const { return m_name; }
  std::string GetGUIName() const { return m_guiName; }
  std::string GetDescription() const { return m_description; }
  std::string GetDescription2() const { return m_description2; }
  std::string GetTarget() const { return m_target; }
  const std::string& GetOpposite() const { return m_opposite; }
  float GetEffect() const { return m_effect; }
  float GetDegrade() const { return m_degrade; }
  float GetFrequency() const { return m_frequency; }
  bool IsPositive() const { return m_positive; }
  bool HasEffects() const { return m_effect != 0.0f; }

  static std::list<SIM_CharacterType*> All;

 private:
  std::string m_name;
  std::string m_guiName;
  std::string m_description;
  std::string m_description2;
  std::string m_unused;
  std::string m_target;
  std::string m_opposite;
  float m_effect = 0.0f;
  float m_degrade = 0.0f;
  float m_frequency = 0.0f;
  bool m_positive = false;
};
