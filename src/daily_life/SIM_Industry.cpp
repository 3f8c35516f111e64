#include "SIM_Industry.h"

#include "GDebug.h"
#include "SIM_NamedValue.h"
#include "SIM_StandInLog.h"

void SIM_Industry::ClearGlobalFlags() {
  GStandIn("SIM_Industry::ClearGlobalFlags (industry table not built yet: the built-in one)");
  if (SIM_NamedValueList::Globals.HasValue("Retail")) SIM_NamedValueList::ForceGlobal("Retail", 0.0f);
}

SIM_Industry* SIM_Industry::GetIndustry(const std::string&) {
  static SIM_Industry industry;
  return &industry;
}

bool SIM_Industry::BoostsType(const SIM_CharacterType*) const {
  SIM_StandInLog::Called("SIM_Industry::BoostsType");
  return false;
}
