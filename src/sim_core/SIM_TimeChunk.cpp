#include "SIM_TimeChunk.h"

#include "SIM_Health.h"
#include "SIM_NamedValue.h"
#include "SIM_SIM.h"
#include "SIM_Weather.h"

void SIM_TimeChunk::ProcessChunk() {
  SIM_GetSim()->EndDay();
  ProcessChunkKeepingSlot();
}

void SIM_TimeChunk::ProcessChunkKeepingSlot() {
  if (SIM_NamedValueList::Globals.IsTrue("glob_outdoors")) {
    // Light rain (a quarter or less) does no harm.
    if (SIM_GetWeather()->GetIntensity(SIM_Weather::WEATHER_RAIN) > 0.25f) SIM_GetHealth()->CheckForCold(1.0f);
    SIM_NamedValueList::ForceGlobal("glob_outdoors", 0.0f);
  }
}
