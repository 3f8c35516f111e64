#include "GUI_Relationship.h"

#include "SIM_StandInLog.h"

void GUI_Relationship::DrawAll() { STAND_IN(); }
