#include "SIM_PetFood.h"

#include "SIM_Asset.h"
#include "SIM_StandInLog.h"

SIM_Asset* SIM_PetFood::Create(const std::string&) {
  STAND_IN();
  return new SIM_Asset;
}

void SIM_PetFood::Open() { STAND_IN(); }
