#include "GUI_JobInstanceDetails.h"

#include "GUI_EveningStandIn.h"
#include "SIM_StandInLog.h"

void GUI_JobInstanceDetails::Create(int) {
  STAND_IN();  // the evening stand-in window in its place
  GUI_EveningStandIn::Toggle(GUI_EveningStandIn::KIND_JOB);
}

void GUI_JobInstanceDetails::Close() { GUI_EveningStandIn::Close(GUI_EveningStandIn::KIND_JOB); }

bool GUI_JobInstanceDetails::IsOpen() { return GUI_EveningStandIn::IsOpen(GUI_EveningStandIn::KIND_JOB); }
