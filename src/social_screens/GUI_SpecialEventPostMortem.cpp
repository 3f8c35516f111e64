#include "GUI_SpecialEventPostMortem.h"

#include "GDebug.h"

void GUI_SpecialEventPostMortem::Create(SIM_SpecialEvent*) { GStandIn("GUI_SpecialEventPostMortem::Create"); }
