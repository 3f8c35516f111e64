#include "GUI_PostMortem.h"

#include "SIM_StandInLog.h"

void GUI_PostMortem::Close() { SIM_StandInLog::Called("GUI_PostMortem::Close"); }
