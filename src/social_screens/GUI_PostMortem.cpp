#include "GUI_PostMortem.h"

#include "GDebug.h"
#include "SIM_StandInLog.h"

void GUI_PostMortem::Close() { SIM_StandInLog::Called("GUI_PostMortem::Close"); }

void GUI_SpecialEventPostMortem::Create(SIM_SpecialEvent*) { GStandIn("GUI_SpecialEventPostMortem::Create"); }
