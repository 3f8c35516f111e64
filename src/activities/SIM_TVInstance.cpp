#include "SIM_TVInstance.h"

#include "SIM_StandInLog.h"

void SIM_TVInstance::Create(SIM_SoloActivityType* type) {
  STAND_IN();
  auto* instance = new SIM_TVInstance(type);
  instance->ProcessChunk();
}
