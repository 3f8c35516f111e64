#include "GUI_Insect.h"

#include "SIM_StandInLog.h"

void GUI_Insect::DrawAll() { STAND_IN(); }
