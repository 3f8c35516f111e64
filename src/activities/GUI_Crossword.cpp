#include "GUI_Crossword.h"

#include "SIM_StandInLog.h"

void GUI_Crossword::ClearSeenIDs() { STAND_IN(); }
