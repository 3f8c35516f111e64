#include "GUI_AdvancedBackdrop.h"

#include "SIM_StandInLog.h"

GUI_AdvancedBackdrop* GUI_GetAdvancedBackdrop() {
  static GUI_AdvancedBackdrop sky;
  return &sky;
}

void GUI_AdvancedBackdrop::Reset() { STAND_IN(); }

void GUI_AdvancedBackdrop::ForceStyle(int) { STAND_IN(); }
