#include "GUI_JobAdTemplate.h"

#include "SIM_StandInLog.h"

void GUI_JobAdTemplate::Open() { STAND_IN(); }
void GUI_JobAdTemplate::Close() { STAND_IN(); }
