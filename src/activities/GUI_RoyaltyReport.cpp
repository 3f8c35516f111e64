#include "GUI_RoyaltyReport.h"

#include "SIM_StandInLog.h"

void GUI_RoyaltyReport::Close() { STAND_IN(); }
void GUI_RoyaltyReport::Create() { STAND_IN(); }
