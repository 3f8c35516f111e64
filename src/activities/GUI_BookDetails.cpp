#include "GUI_BookDetails.h"

#include "SIM_StandInLog.h"

void GUI_BookDetails::Close() { SIM_StandInLog::Called("GUI_BookDetails::Close"); }
