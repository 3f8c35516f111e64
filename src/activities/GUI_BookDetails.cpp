#include "GUI_BookDetails.h"

#include "SIM_StandInLog.h"

void GUI_BookDetails::Close() { STAND_IN(); }
