#pragma once
// One solo evening under way: the type's script, its price, its effects, the used slot, and what
// doing it alone leaves behind (maybe a new friend, a word for the character description, a count
// in the statistics, boredom). Every instance stays in All until the next Open or Close.
#include <list>

#include "SIM_TimeChunk.h"

class SIM_SoloActivityType;

class SIM_SoloActivityInstance : public SIM_TimeChunk {
 public:
  // Makes an instance for the type and runs it.
  static void Create(SIM_SoloActivityType* type);
  // Both free every instance.
  static void Open();
  static void Close();

  explicit SIM_SoloActivityInstance(SIM_SoloActivityType* type);
  ~SIM_SoloActivityInstance() override;
  void ProcessChunk() override;

  SIM_SoloActivityType* GetType() const { return m_type; }

  static std::list<SIM_SoloActivityInstance*> All;

 private:
  SIM_SoloActivityType* m_type;  // not owned
};
