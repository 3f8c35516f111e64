#include "SIM_Memory.h"

#include "GDebug.h"

void SIM_Memory::AddEventMemory(SIM_TimeChunkType* type, float happiness) {
  GStandIn("SIM_Memory (people subsystem not built yet)");
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
