#include "SIM_Industry.h"

#include "GDebug.h"
#include "SIM_NamedValue.h"

void SIM_Industry::ClearGlobalFlags() {
  GStandIn("SIM_Industry::ClearGlobalFlags (industry table not built yet: the built-in one)");
  if (SIM_NamedValueList::Globals.HasValue("Retail")) SIM_NamedValueList::ForceGlobal("Retail", 0.0f);
}
