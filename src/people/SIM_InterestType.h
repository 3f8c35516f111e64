#pragma once
// The kinds of interest people have ("data/simulation/interests.csv"), an interest a person holds,
// and a person's list of interests with the weighted draw that fills it for a new NPC. The draw
// favours interests that suit a cultured or intelligent person and avoids those that several
// other people of the town already have.
#include <list>
#include <string>

#include "SIM_NamedValue.h"

class SIM_NPC;

class SIM_InterestType {
 public:
  enum TYPE { LOW = 0, MEDIUM = 1, HIGH = 2, NONE = 3 };

  SIM_InterestType(const std::string& name, const std::string& guiName, float chemistryWorth, TYPE culture,
                   TYPE intelligence, const std::string& category);
  virtual ~SIM_InterestType();
  SIM_InterestType(const SIM_InterestType&) = delete;
  SIM_InterestType& operator=(const SIM_InterestType&) = delete;

  static TYPE StrToType(const std::string& text);

  static void Open(const char* file = "data/simulation/interests.csv");
  static void Close();
  static SIM_InterestType* GetType(const std::string& name);  // null when none

  const std::string& GetName() const { return m_name; }
  const std::string& GetGUIName() const { return m_guiName; }
  const std::string& GetCategory() const { return m_category; }  // "#" for none
  float GetChemistryWorth() const { return m_chemistryWorth; }
  TYPE GetCultureLevel() const { return m_culture; }
  TYPE GetIntelligenceLevel() const { return m_intelligence; }

  static std::list<SIM_InterestType*> All;

 private:
  std::string m_category;
  std::string m_name;
  std::string m_guiName;
  float m_chemistryWorth = 0.25f;
  TYPE m_culture = NONE;
  TYPE m_intelligence = NONE;
};

class SIM_Interest : public SIM_NamedValue {
 public:
  explicit SIM_Interest(SIM_InterestType* type);

  // The interest of that name (old names "card games" and "museums" mapped to the new ones), hidden;
  // null with an error when there is no such type.
  static SIM_Interest* Create(const std::string& name);
  static SIM_Interest* CreateRandom();  // a uniformly drawn type; null when there is none

  SIM_InterestType* GetType() const { return m_type; }
  bool IsVisible() const { return m_visible; }
  void SetVisible(bool visible) { m_visible = visible; }

 private:
  SIM_InterestType* m_type;
  bool m_visible = false;
};

class SIM_InterestList {
 public:
  struct Probability {
    SIM_InterestType* type;
    float probability;
  };

  SIM_InterestList() = default;
  ~SIM_InterestList();
  SIM_InterestList(const SIM_InterestList&) = delete;
  SIM_InterestList& operator=(const SIM_InterestList&) = delete;

  // A new NPC's interests: between GV_INTERESTS_MIN and GV_INTERESTS_MAX draws, each bringing its
  // category along; stops early when no new type can be drawn.
  void FillRandomly(SIM_NPC* npc);
  void BuildList(SIM_NPC* npc);
  SIM_InterestType* ChooseAType();
  // The factor of an interest's level for a person whose trait value is `value`.
  static float GetAdjuster(SIM_InterestType::TYPE level, float value);

  bool HasInterest(const SIM_InterestType* type) const;
  bool HasInterest(const std::string& name) const;
  void Add(SIM_Interest* interest) { m_interests.push_back(interest); }
  void UnhideNextInterest();
  void UnhideAllInterests();
  bool AreSomeHidden() const { return m_someHidden; }
  void SetSomeHidden(bool hidden) { m_someHidden = hidden; }
  void Clear();
  void ClearProbabilities() { m_probabilities.clear(); }

  const std::list<SIM_Interest*>& GetInterests() const { return m_interests; }
  const std::list<Probability>& GetProbabilities() const { return m_probabilities; }
  int Count() const { return (int)m_interests.size(); }

 private:
  std::list<SIM_Interest*> m_interests;  // owned
  std::list<Probability> m_probabilities;
  bool m_someHidden = true;
};
