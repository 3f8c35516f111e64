#include "GUI_CommuteMethodChooser.h"

#include "SIM_StandInLog.h"

void GUI_CommuteMethodChooser::Close() { STAND_IN(); }

void GUI_CommuteMethodChooser::Create() { STAND_IN(); }
