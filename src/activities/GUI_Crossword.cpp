#include "GUI_Crossword.h"

#include "SIM_StandInLog.h"

void GUI_Crossword::ClearSeenIDs() { SIM_StandInLog::Called("GUI_Crossword::ClearSeenIDs"); }
