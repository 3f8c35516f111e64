#include "SIM_PortraitDatabase.h"

#include "SIM_StandInLog.h"

SIM_PortraitDatabase* SIM_GetPortraits() {
  static SIM_PortraitDatabase instance;
  return &instance;
}

void SIM_PortraitDatabase::Open() { STAND_IN(); }
