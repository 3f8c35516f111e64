#include "GUI_RestaurantChooser.h"

#include "SIM_StandInLog.h"

void GUI_RestaurantChooser::Close() { SIM_StandInLog::Called("GUI_RestaurantChooser::Close"); }
