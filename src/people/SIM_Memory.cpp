#include "SIM_Memory.h"

#include "SIM_GlobalVariable.h"

namespace {
// A memory weaker than this is forgotten.
constexpr float kFaintestMemory = 0.05f;
}  // namespace

void SIM_EventMemory::Degrade() { m_strength *= 1.0f - SIM_GetGlobalVariables()->Get("GV_EVENT_MEMORY_DECAY"); }

void SIM_Memory::AddEventMemory(SIM_SocialiseType* type, float happiness) {
  PurgeOfType(type);
  m_memories.push_back(new SIM_EventMemory(type, happiness));
}

float SIM_Memory::GetLastTypeMemory(const SIM_SocialiseType* type) const {
  for (const SIM_EventMemory* memory : m_memories) {
    if (memory->GetType() == type) return memory->GetHappiness();
  }
  return 0.5f;
}

void SIM_Memory::NextDay() {
  if (m_memories.empty()) return;
  // One look-up for the whole list: the rate is the same for every memory of the day.
  const float keep = 1.0f - SIM_GetGlobalVariables()->Get("GV_EVENT_MEMORY_DECAY");
  for (SIM_EventMemory* memory : m_memories) memory->SetStrength(memory->GetStrength() * keep);
  PruneOldMemories();
}

bool SIM_Memory::PurgeItem(const SIM_SocialiseType* type) {
  for (auto it = m_memories.begin(); it != m_memories.end(); ++it) {
    if ((*it)->GetType() == type) {
      delete *it;
      m_memories.erase(it);
      return true;
    }
  }
  return false;
}

void SIM_Memory::PurgeOfType(const SIM_SocialiseType* type) {
  while (PurgeItem(type)) {
  }
}

bool SIM_Memory::PruneOldMemory() {
  for (auto it = m_memories.begin(); it != m_memories.end(); ++it) {
    if ((*it)->GetStrength() < kFaintestMemory) {
      delete *it;
      m_memories.erase(it);
      return true;
    }
  }
  return false;
}

void SIM_Memory::PruneOldMemories() {
  while (PruneOldMemory()) {
  }
}

void SIM_Memory::Clear() {
  for (SIM_EventMemory* memory : m_memories) delete memory;
  m_memories.clear();
}
