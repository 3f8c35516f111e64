#include "GUI_NPCIcon.h"

#include "SIM_StandInLog.h"

void GUI_NPCIcon::PositionAll() { SIM_StandInLog::Called("GUI_NPCIcon::PositionAll"); }
