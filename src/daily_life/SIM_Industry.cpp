#include "SIM_Industry.h"

#include "SIM_NamedValue.h"
#include "SIM_StandInLog.h"

void SIM_Industry::ClearGlobalFlags() {
  STAND_IN();  // only the built-in industry until the industry table exists
  if (SIM_NamedValueList::Globals.HasValue("Retail")) SIM_NamedValueList::ForceGlobal("Retail", 0.0f);
}

SIM_Industry* SIM_Industry::GetIndustry(const std::string&) {
  static SIM_Industry industry;
  return &industry;
}

bool SIM_Industry::BoostsType(const SIM_CharacterType*) const {
  STAND_IN();
  return false;
}
