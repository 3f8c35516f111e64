#include "SIM_Restaurant.h"

#include "SIM_StandInLog.h"

void SIM_Restaurant::GenerateRumoursAll() { STAND_IN(); }

void SIM_Restaurant::Open() { STAND_IN(); }
void SIM_Restaurant::CalculateTableAvailabilityAll() {
  STAND_IN();
}
