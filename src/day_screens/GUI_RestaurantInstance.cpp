#include "GUI_RestaurantInstance.h"

#include "SIM_StandInLog.h"

GUI_RestaurantInstance* GUI_RestaurantInstance::PTheWindow = nullptr;

void GUI_RestaurantInstance::Create(SIM_RestaurantInstance*) { STAND_IN(); }

void GUI_RestaurantInstance::Close() { STAND_IN(); }

void GUI_RestaurantInstance::Reset() { STAND_IN(); }
