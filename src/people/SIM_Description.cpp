#include "SIM_Description.h"

#include "SIM_StandInLog.h"

SIM_Description* SIM_GetDescription() {
  static SIM_Description* description = new SIM_Description();
  return description;
}

void SIM_Description::Compose() {
  STAND_IN();
}
