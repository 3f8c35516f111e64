#include "GUI_RestaurantChooser.h"

#include "SIM_StandInLog.h"

void GUI_RestaurantChooser::Create(SIM_RestaurantInstance*) { STAND_IN(); }

void GUI_RestaurantChooser::Close() { STAND_IN(); }
