#include "GUI_SoloActivityChooser.h"

#include "GUI_EveningStandIn.h"
#include "SIM_StandInLog.h"

std::string GUI_SoloActivityChooser::LastScrolledTo;

void GUI_SoloActivityChooser::Create() {
  STAND_IN();  // the evening stand-in window in its place
  GUI_EveningStandIn::Toggle(GUI_EveningStandIn::KIND_SOLO);
}

void GUI_SoloActivityChooser::Close() {
  STAND_IN();
  GUI_EveningStandIn::Close(GUI_EveningStandIn::KIND_SOLO);
}

bool GUI_SoloActivityChooser::IsOpen() { return GUI_EveningStandIn::IsOpen(GUI_EveningStandIn::KIND_SOLO); }

void GUI_SoloActivityChooser::ScrollToActivity(const char* name) {
  STAND_IN();
  LastScrolledTo = name ? name : "";
}
