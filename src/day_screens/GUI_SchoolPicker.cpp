#include "GUI_SchoolPicker.h"

#include "GUI_EveningStandIn.h"
#include "SIM_StandInLog.h"

void GUI_SchoolPicker::Create() {
  STAND_IN();  // the evening stand-in window in its place
  GUI_EveningStandIn::Toggle(GUI_EveningStandIn::KIND_CLASSES);
}

void GUI_SchoolPicker::Close() { GUI_EveningStandIn::Close(GUI_EveningStandIn::KIND_CLASSES); }

bool GUI_SchoolPicker::IsOpen() { return GUI_EveningStandIn::IsOpen(GUI_EveningStandIn::KIND_CLASSES); }
