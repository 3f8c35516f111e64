#include "GUI_RoyaltyReport.h"

#include "SIM_StandInLog.h"

void GUI_RoyaltyReport::Close() { SIM_StandInLog::Called("GUI_RoyaltyReport::Close"); }
