#include "GUI_RomanceSummary.h"

#include "SIM_StandInLog.h"

void GUI_RomanceSummary::Create() { STAND_IN(); }
