#pragma once
// An NPC's memories of the social events it attended. Stand-in until the people subsystem
// arrives: it keeps the memories so the diagnostic dialog has something to show; fading and
// forgetting come with the real record.
#include <list>

class SIM_TimeChunkType;

class SIM_EventMemory {
 public:
  SIM_EventMemory(SIM_TimeChunkType* type, float happiness) : m_type(type), m_happiness(happiness) {}
  SIM_TimeChunkType* GetType() const { return m_type; }
  // The remembered happiness fades toward 0.5 as the memory weakens.
  float GetHappiness() const { return 0.5f + m_strength * (m_happiness - 0.5f); }
  float GetStrength() const { return m_strength; }

 private:
  SIM_TimeChunkType* m_type;
  float m_happiness;
  float m_strength = 1.0f;
};

class SIM_Memory {
 public:
  SIM_Memory() = default;
  virtual ~SIM_Memory() { Clear(); }
  SIM_Memory(const SIM_Memory&) = delete;
  SIM_Memory& operator=(const SIM_Memory&) = delete;

  void AddEventMemory(SIM_TimeChunkType* type, float happiness);  // replaces one of the same type
  void Clear();
  const std::list<SIM_EventMemory*>& GetMemories() const { return m_memories; }

 private:
  std::list<SIM_EventMemory*> m_memories;  // owned, oldest first
};
