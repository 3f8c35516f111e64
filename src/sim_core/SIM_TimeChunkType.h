#pragma once
// The base of every choosable kind of activity (social event types, solo activities, evening
// classes, jobs). Its modifiers are what taking part does to the player; on top of that it says
// when it can be chosen (days of the week, months, time of day, lock, prerequisites, today's
// schedule) and grades how good an event of the type turns out.
#include <cstdint>
#include <string>
#include <vector>

#include "SIM_Modifier.h"

class SIM_NPC;

class SIM_TimeChunkType : public SIM_ModifierContainer {
 public:
  // One prerequisite (a threshold on a named value; "<" makes it a maximum) or one weighted term
  // of the quality recipe.
  class TypeModifier {
   public:
    TypeModifier(const std::string& valueName, float limit, bool isFlag, bool isLessThan)
        : name(valueName), threshold(limit), flag(isFlag), lessThan(isLessThan) {}

    bool Met() const;
    bool MetForNPC(SIM_NPC* npc) const;
    void CalculateGUIName();

    std::string guiName;  // prerequisites only
    std::string name;
    float threshold;  // the prerequisite's threshold, or the quality term's weight
    bool flag;
    bool lessThan;
  };

  SIM_TimeChunkType();
  ~SIM_TimeChunkType() override;

  virtual float GetEventQuality();
  virtual bool IsAvailable();
  virtual bool RightTimeOfDay();
  // "name,value": the player must have at least the value, or less than it with a leading "<".
  virtual void AddPreRequisite(const char* text, bool flag, bool lessThan);

  bool IsScheduledForToday();
  bool RightDayOfWeek();
  bool RightTimeOfYear();
  bool MeetsPrerequisites();
  bool MeetsNPCPrerequisites(SIM_NPC* npc);
  bool RestrictedOnlyByEnergy();
  float GetPreReq(const char* name);  // the first prerequisite's threshold; 0 when none
  // Pairs of a value name and a weight, all separated by commas.
  void ParseQuality(const char* text);
  void Unlock();
  void ForceDayAvailable(int day);

  const std::string& GetName() const { return m_name; }
  const std::string& GetGUIName() const { return m_guiName; }
  const std::string& GetDescription() const { return m_description; }
  bool GetDayAvailable(int day) const;
  bool IsLocked() const { return m_locked; }
  float GetUnlockThreshold() const { return m_unlockThreshold; }
  int32_t GetStartMonth() const { return m_startMonth; }
  int32_t GetEndMonth() const { return m_endMonth; }
  const std::vector<TypeModifier*>& GetPreRequisites() const { return m_prerequisites; }
  const std::vector<TypeModifier*>& GetQualityTerms() const { return m_qualityTerms; }

  // For the loaders of the derived types.
  void SetName(const std::string& name) { m_name = name; }
  void SetGUIName(const std::string& guiName) { m_guiName = guiName; }
  void SetDescription(const std::string& description) { m_description = description; }
  void SetMonths(int32_t start, int32_t end) {
    m_startMonth = start;
    m_endMonth = end;
  }
  void SetLocked(bool locked) { m_locked = locked; }
  void SetUnlockThreshold(float threshold) { m_unlockThreshold = threshold; }

  static void ResetUnlockPoints() { UnlockPoints = 0.0f; }
  static float UnlockPoints;

 protected:
  std::vector<TypeModifier*> m_prerequisites;
  std::vector<TypeModifier*> m_qualityTerms;
  int32_t m_startMonth = 0;
  int32_t m_endMonth = 0;
  std::string m_name;
  std::string m_guiName;
  std::string m_description;
  bool m_dayFlags[7] = {};
  bool m_locked = false;
  float m_unlockThreshold = 0.0f;
};
