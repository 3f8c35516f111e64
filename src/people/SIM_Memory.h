#pragma once
// An NPC's memories of the social events it attended: how much it enjoyed the last event of each
// type. Memories fade toward neutral day by day and are forgotten when faint.
#include <list>

class SIM_SocialiseType;

class SIM_EventMemory {
 public:
  SIM_EventMemory(SIM_SocialiseType* type, float happiness) : m_type(type), m_happiness(happiness) {}
  SIM_SocialiseType* GetType() const { return m_type; }
  // The remembered happiness fades toward 0.5 as the memory weakens.
  float GetHappiness() const { return 0.5f + m_strength * (m_happiness - 0.5f); }
  float GetRawHappiness() const { return m_happiness; }
  float GetStrength() const { return m_strength; }
  void SetStrength(float strength) { m_strength = strength; }
  void Degrade();

 private:
  SIM_SocialiseType* m_type;
  float m_happiness;
  float m_strength = 1.0f;
};

class SIM_Memory {
 public:
  SIM_Memory() = default;
  virtual ~SIM_Memory() { Clear(); }
  SIM_Memory(const SIM_Memory&) = delete;
  SIM_Memory& operator=(const SIM_Memory&) = delete;

  // Replaces any memory of the type with a fresh one.
  void AddEventMemory(SIM_SocialiseType* type, float happiness);
  float GetLastTypeMemory(const SIM_SocialiseType* type) const;  // 0.5 when none
  void NextDay();
  void PurgeOfType(const SIM_SocialiseType* type);
  void PruneOldMemories();
  void Clear();
  const std::list<SIM_EventMemory*>& GetMemories() const { return m_memories; }

 private:
  bool PurgeItem(const SIM_SocialiseType* type);
  bool PruneOldMemory();

  std::list<SIM_EventMemory*> m_memories;  // owned, oldest first
};
