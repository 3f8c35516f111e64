#include "GUI_SchoolPicker.h"

#include "GUI_EveningStandIn.h"

void GUI_SchoolPicker::Create() { GUI_EveningStandIn::Toggle(GUI_EveningStandIn::KIND_CLASSES); }

void GUI_SchoolPicker::Close() { GUI_EveningStandIn::Close(GUI_EveningStandIn::KIND_CLASSES); }

bool GUI_SchoolPicker::IsOpen() { return GUI_EveningStandIn::IsOpen(GUI_EveningStandIn::KIND_CLASSES); }
