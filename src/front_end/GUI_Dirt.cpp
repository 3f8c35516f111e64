#include "GUI_Dirt.h"

#include "GDebug.h"

GUI_Dirt* GUI_GetDirt() {
  static GUI_Dirt dirt;
  return &dirt;
}

void GUI_Dirt::Process() { GStandIn("GUI_Dirt::Process"); }
