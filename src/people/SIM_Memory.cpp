#include "SIM_Memory.h"

#include "SIM_StandInLog.h"

void SIM_Memory::AddEventMemory(SIM_TimeChunkType* type, float happiness) {
  STAND_IN();
  for (auto it = m_memories.begin(); it != m_memories.end();) {
    if ((*it)->GetType() == type) {
      delete *it;
      it = m_memories.erase(it);
    } else {
      ++it;
    }
  }
  m_memories.push_back(new SIM_EventMemory(type, happiness));
}

void SIM_Memory::Clear() {
  for (SIM_EventMemory* memory : m_memories) delete memory;
  m_memories.clear();
}
