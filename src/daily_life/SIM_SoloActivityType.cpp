#include "SIM_SoloActivityType.h"

#include "SIM_StandInLog.h"

void SIM_SoloActivityType::Open() { STAND_IN(); }
void SIM_SoloActivityType::Close() { STAND_IN(); }
void SIM_SoloActivityType::CheckUnlocks() { STAND_IN(); }

SIM_SoloActivityType* SIM_SoloActivityType::GetByName(const char*) {
  STAND_IN();
  return nullptr;
}

bool SIM_SoloActivityType::IsAvailable() {
  STAND_IN();
  return false;
}

void SIM_SoloActivityType::ProcessChunk() { STAND_IN(); }

float SIM_SoloActivityType::GetCost() const {
  STAND_IN();
  return 0.0f;
}
