#include "SIM_Description.h"

#include "GDebug.h"

SIM_Description* SIM_GetDescription() {
  static SIM_Description* description = new SIM_Description();
  return description;
}

void SIM_Description::Compose() {
  GStandIn("SIM_Description::Compose (player description not built yet)");
}
