#pragma once
// The kinds of evening the player spends alone: one row of "data/simulation/solo_activities.csv"
// each, in file order in SIM_SoloActivityType::All (the evening classes join the same list). On top
// of the activity-type machinery of the base (modifiers, days, months, prerequisites, the lock) a
// type has a price, a script, a chance of meeting somebody new and the panel the chooser shows.
#include <list>
#include <string>

#include "SIM_TimeChunkType.h"

class SIM_SoloActivityType : public SIM_TimeChunkType {
 public:
  SIM_SoloActivityType();
  ~SIM_SoloActivityType() override;

  // A new game or a load: every type freed, the table read again.
  static void Open();
  static void Close();
  static void LoadTypes(const char* file = "data/simulation/solo_activities.csv");
  // Reads rows from text in hand; `origin` names it in warnings (tests, the lint).
  static void LoadTypesFromText(const std::string& text, const char* origin);
  // Null, after an error in the log, when no type has that name.
  static SIM_SoloActivityType* GetByName(const char* name);
  // Unlocks every type whose threshold the game-wide unlock points have passed.
  static void CheckUnlocks();

  // Starts the activity: the instance that carries it out is made and run.
  virtual void ProcessChunk();

  bool IsAffordable() const;
  void CheckForNewFriends();
  // The chance that an evening of the type brings somebody new, for a player with that many
  // friendships and that "extravert" value; 0 when it never can.
  static float MeetingChance(float chance, int friendships, float extravert);

  const std::string& GetScript() const { return m_script; }
  const std::string& GetDetailsKey() const { return m_detailsKey; }
  const std::string& GetInstanceKind() const { return m_instanceKind; }
  float GetNewFriendChance() const { return m_newFriendChance; }
  float GetCost() const { return m_cost; }
  void SetCost(float cost) { m_cost = cost; }
  bool GetIgnoreModifiers() const { return m_ignoreModifiers; }
  bool GetVariableEffects() const { return m_variableEffects; }
  std::string GetDescriptionNoun() const { return m_descriptionNoun; }

  // For tests and tools that build a type by hand.
  void SetScript(const std::string& script) { m_script = script; }
  void SetNewFriendChance(float chance) { m_newFriendChance = chance; }
  void SetIgnoreModifiers(bool ignore) { m_ignoreModifiers = ignore; }

  static std::list<SIM_SoloActivityType*> All;

 private:
  // One table row; false when the row named no type.
  bool Load(const std::string& row, const std::string& origin);

  std::string m_script;
  std::string m_detailsKey = "default";  // the chooser's panel for the type
  float m_newFriendChance = 0.0f;
  float m_cost = 0.0f;
  std::string m_descriptionNoun;
  bool m_ignoreModifiers = false;
  bool m_variableEffects = false;
  std::string m_instanceKind;
};
