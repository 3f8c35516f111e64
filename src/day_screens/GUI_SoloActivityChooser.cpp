#include "GUI_SoloActivityChooser.h"

#include "GDebug.h"
#include "GUI_EveningStandIn.h"
#include "SIM_StandInLog.h"

std::string GUI_SoloActivityChooser::LastScrolledTo;

void GUI_SoloActivityChooser::Create() { GUI_EveningStandIn::Toggle(GUI_EveningStandIn::KIND_SOLO); }

void GUI_SoloActivityChooser::Close() {
  SIM_StandInLog::Called("GUI_SoloActivityChooser::Close");
  GUI_EveningStandIn::Close(GUI_EveningStandIn::KIND_SOLO);
}

bool GUI_SoloActivityChooser::IsOpen() { return GUI_EveningStandIn::IsOpen(GUI_EveningStandIn::KIND_SOLO); }

void GUI_SoloActivityChooser::ScrollToActivity(const char* name) {
  GStandIn("GUI_SoloActivityChooser::ScrollToActivity");
  LastScrolledTo = name ? name : "";
}
