#pragma once
// The player's state of mind and body: each attribute is a base plus the sum of decaying effects,
// clamped to 0..1 (or 1 minus its mirror). The table is "data/simulation/attributes.csv".
#include <cstdint>
#include <list>
#include <string>
#include <vector>

#include "SIM_NamedValue.h"

class GUI_Indicator;
class SIM_Attribute;

// One contribution to an attribute: multiplied by its degrade every night until negligible.
class SIM_Effect {
 public:
  SIM_Effect(float value, float degrade, const std::string& source);
  virtual ~SIM_Effect();  // leaves All and its owner list
  SIM_Effect(const SIM_Effect&) = delete;
  SIM_Effect& operator=(const SIM_Effect&) = delete;

  virtual void Process();  // value *= degrade, clamped to -1..1

  bool IsNegligible() const;  // |value| < 0.001 (0 is negligible)
  void ChangeEffect(float delta) { m_value += delta; }
  float GetEffect() const { return m_value; }
  float GetDegrade() const { return m_degrade; }
  const std::string& GetDebugName() const { return m_source; }
  void SetList(std::list<SIM_Effect*>* list) { m_ownerList = list; }
  std::list<SIM_Effect*>* GetList() const { return m_ownerList; }

  static bool ClearDead();  // destroys the first negligible effect; false when there is none
  static void ProcessAllEffects();
  static std::list<SIM_Effect*> All;

 private:
  float m_degrade;
  float m_value;
  std::string m_source;
  std::list<SIM_Effect*>* m_ownerList = nullptr;
};

class SIM_Attribute : public SIM_NamedValue {
 public:
  enum WARNING { WARN_ABOVE = 0, WARN_BELOW = 1, WARN_NEVER = 2 };
  struct GraphColor {
    int32_t r = 12, g = 12, b = 12, a = 255;
  };

  SIM_Attribute();
  SIM_Attribute(const char* name, const char* guiName, float base);
  // Leaves All, destroys its indicator and every effect that was ever attached to it (those still
  // in its list and those the night detached), so no effect outlives the list it points into.
  ~SIM_Attribute() override;

  void CalculateValue() override;
  void Clicked() override;
  void ShowEffect(float amount) override;

  // Fills the attribute from one table row ("#,name,display,...") and creates its HUD row.
  // `origin` names the file and line for reports.
  void Load(const char* row, const char* origin = nullptr);
  void AddEffect(float amount, float degrade, const std::string& source);
  // Attaches an effect as it is (no clipping, no display); for the savegame loader.
  SIM_Effect* AttachEffect(float value, float degrade, const std::string& source);

  bool WarnPlayer() const;
  void SetRecentlyChanged();  // only an attribute without a parent is ever marked
  void NextDay();             // history sample, then detach effects below 0.002

  void SetBaseValue(float base) { m_base = base; }
  float GetBaseValue() const { return m_base; }
  void SetIndicator(GUI_Indicator* indicator) { m_indicator = indicator; }
  GUI_Indicator* GetIndicator() const { return m_indicator; }
  SIM_Attribute* GetOpposite() const { return m_opposite; }
  SIM_Attribute* GetMirror() const { return m_mirror; }
  SIM_Attribute* GetParent() const { return m_parent; }
  float GetParentWeight() const { return m_parentWeight; }
  bool IsHighGood() const { return m_highIsGood; }
  bool IsHidden() const { return m_hidden; }
  bool IsAlwaysShown() const { return m_alwaysShown; }
  bool IsFeeling() const { return m_feeling; }
  bool WasRecentlyChanged() const { return m_recentlyChanged; }
  bool IsSubcomponent() const { return m_parent != nullptr; }
  GraphColor GetGraphColor() const { return m_graphColor; }
  std::string GetDescription() const { return m_descriptionKey; }
  std::string GetLowDesc() const { return m_lowDescKey; }
  std::string GetHighDesc() const { return m_highDescKey; }
  int32_t GetWarningDirection() const { return m_warningDirection; }
  float GetWarningThreshold() const { return m_warningThreshold; }
  std::vector<float>& GetHistory() { return m_history; }
  std::list<SIM_Effect*>& GetEffects() { return m_effects; }

  static SIM_Attribute* GetAttribute(const std::string& name);  // null when absent
  static void ResolveLinks();
  static void ClearRecentlyChanged();
  static void NextDayAll();
  // Reclaims an earlier game: destroys every registered attribute and, with them, every effect.
  // Named-value lists that held the attributes lose those entries.
  static void Clear();
  static std::list<SIM_Attribute*> All;

 private:
  void Init();

  std::vector<float> m_history;
  bool m_alwaysShown = false;
  bool m_hidden = false;
  bool m_highIsGood = false;
  bool m_recentlyChanged = false;
  bool m_feeling = false;
  float m_base = 0.0f;
  std::string m_highDescKey;
  std::string m_lowDescKey;
  std::string m_descriptionKey;
  std::list<SIM_Effect*> m_effects;
  int32_t m_warningDirection = WARN_NEVER;
  float m_warningThreshold = 0.0f;
  GUI_Indicator* m_indicator = nullptr;
  SIM_Attribute* m_parent = nullptr;
  float m_parentWeight = 1.0f;
  SIM_Attribute* m_opposite = nullptr;
  SIM_Attribute* m_mirror = nullptr;
  std::string m_oppositeName;
  std::string m_mirrorName;
  GraphColor m_graphColor;
};
