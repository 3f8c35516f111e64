#include "GUI_JobBrowser.h"

#include "SIM_StandInLog.h"

void GUI_JobBrowser::Close() { STAND_IN(); }
void GUI_JobBrowser::MouseWheelUp() { STAND_IN(); }
void GUI_JobBrowser::MouseWheelDown() { STAND_IN(); }
