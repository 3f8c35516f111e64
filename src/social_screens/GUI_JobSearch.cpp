#include "GUI_JobSearch.h"

#include "SIM_StandInLog.h"

void GUI_JobSearch::Close() { STAND_IN(); }
