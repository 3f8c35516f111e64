#include "SIM_PetBase.h"

#include "SIM_Asset.h"
#include "SIM_StandInLog.h"

SIM_Asset* SIM_PetBase::Create(const std::string&) {
  STAND_IN();
  return new SIM_Asset;
}

void SIM_PetBase::Open() { STAND_IN(); }
void SIM_PetBase::ClearReminders() { STAND_IN(); }

SIM_PetBase* SIM_PetBase::GetByName(const std::string&) {
  STAND_IN();
  return nullptr;
}

void SIM_PetBase::PlaySound() { STAND_IN(); }
