#pragma once
// The kinds of social evening: one row of "data/simulation/social_events.csv" each, in file order
// in SIM_SocialiseType::All. Besides the activity-type machinery of the base (modifiers, days,
// months, prerequisites, the lock) a type says which kind of evening it makes, what it costs, how
// many may come, which interests draw people to it and, for venues whose standard changes from
// week to week, owns the band its evenings' quality is drawn from.
#include <cstdint>
#include <list>
#include <string>
#include <vector>

#include "SIM_TimeChunkType.h"

class SIM_EventQuality;
class SIM_NPC;

class SIM_SocialiseType : public SIM_TimeChunkType {
 public:
  enum FLAGS { SOCFLAG_HOMEBASED = 0, SOCFLAG_COUNT = 1 };

  // "VARIABLE" in the table: the kind of evening settles the money itself.
  static constexpr int32_t kVariableCost = -99;
  // What a "VARIABLE" cost counts as wherever affordability is tested.
  static constexpr int32_t kVariableCostEstimate = 20;

  struct Interest {
    std::string name;
    float weight = 0.0f;
  };

  SIM_SocialiseType();
  ~SIM_SocialiseType() override;

  // A new game or a load: every type freed, the table read again.
  static void Open();
  static void Close();
  static void LoadTypes(const char* file = "data/simulation/social_events.csv");
  // Reads rows from text in hand; `origin` names it in warnings (tests, the lint).
  static void LoadTypesFromText(const std::string& text, const char* origin);
  static SIM_SocialiseType* GetTypeByName(const std::string& name);
  // Unlocks every type whose threshold the game-wide unlock points have passed.
  static void CheckUnlocks();
  // The type the NPC would host tonight; null when none is worth it.
  static SIM_SocialiseType* ChooseForNPC(SIM_NPC* npc);
  static SIM_SocialiseType* ChooseRandom();

  float GetEventQuality() override;
  const std::string& GetEventQualityDesc(float quality) const;
  int32_t GetEffectiveCostPerHead() const;
  int32_t GetCostPerHead() const { return m_costPerHead; }
  int32_t GetHostCost() const;
  // True when the player is below the type's first "_energy" prerequisite.
  bool IsTooTired();
  // The NPC went to an evening of this type without the player.
  void ResolveEvent(SIM_NPC* npc);
  bool GetFlag(FLAGS flag) const { return flag >= 0 && flag < SOCFLAG_COUNT && m_flags[flag]; }

  int32_t GetMinAttendees() const { return m_minAttendees; }
  int32_t GetMaxAttendees() const { return m_maxAttendees; }
  const std::string& GetProcessFunction() const { return m_processFunction; }
  const std::string& GetInvite() const { return m_inviteText; }
  const std::string& GetOrganiserDescription() const { return m_organiserDescription; }
  const std::string& GetAttendScript() const { return m_attendScript; }
  const std::string& GetHostScript() const { return m_hostScript; }
  const std::string& GetSeventhColumn() const { return m_seventhColumn; }
  const std::vector<Interest*>& GetInterests() const { return m_interests; }
  SIM_EventQuality* GetEventQualityBand() const { return m_eventQuality; }

  // For tests and tools that build a type by hand.
  void SetProcessFunction(const std::string& function) { m_processFunction = function; }
  void SetCosts(int32_t hostCost, int32_t costPerHead) {
    m_hostCost = hostCost;
    m_costPerHead = costPerHead;
  }
  void SetAttendeeLimits(int32_t minimum, int32_t maximum) {
    m_minAttendees = minimum;
    m_maxAttendees = maximum;
  }
  void SetFlag(FLAGS flag, bool on) {
    if (flag >= 0 && flag < SOCFLAG_COUNT) m_flags[flag] = on;
  }
  void AddInterest(const std::string& name, float weight);
  void SetQualityDescriptions(const std::string& low, const std::string& middle, const std::string& high);
  // Gives the type a weekly band of its own (the table's "random_generator").
  void MakeEventQualityBand();

  static std::list<SIM_SocialiseType*> All;

 private:
  // One table row; false when the row named no type.
  bool Load(const std::string& row, const std::string& origin);

  std::vector<Interest*> m_interests;  // owned
  std::string m_attendScript;
  std::string m_hostScript;
  int32_t m_costPerHead = 0;
  int32_t m_hostCost = 0;
  int32_t m_minAttendees = 0;
  int32_t m_maxAttendees = 0;
  bool m_flags[SOCFLAG_COUNT] = {};
  std::string m_organiserDescription;
  std::string m_inviteText;
  std::string m_seventhColumn;
  std::string m_processFunction;
  std::string m_qualityDescriptions[3];
  SIM_EventQuality* m_eventQuality = nullptr;  // owned: a band lives exactly as long as its type
};
