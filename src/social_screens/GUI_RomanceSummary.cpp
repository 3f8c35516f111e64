#include "GUI_RomanceSummary.h"

#include "GDebug.h"

void GUI_RomanceSummary::Create() { GStandIn("GUI_RomanceSummary::Create (no romance summary yet)"); }
