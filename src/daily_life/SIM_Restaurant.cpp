#include "SIM_Restaurant.h"

#include "GDebug.h"
#include "SIM_StandInLog.h"

void SIM_Restaurant::GenerateRumoursAll() { GStandIn("SIM_Restaurant::GenerateRumoursAll"); }

void SIM_Restaurant::Open() { SIM_StandInLog::Called("SIM_Restaurant::Open"); }
void SIM_Restaurant::CalculateTableAvailabilityAll() {
  SIM_StandInLog::Called("SIM_Restaurant::CalculateTableAvailabilityAll");
}
