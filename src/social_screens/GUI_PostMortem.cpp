#include "GUI_PostMortem.h"

#include "SIM_StandInLog.h"

void GUI_PostMortem::Close() { STAND_IN(); }
void GUI_PostMortem::Reset() { STAND_IN(); }
