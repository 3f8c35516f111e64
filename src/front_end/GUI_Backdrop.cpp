#include "GUI_Backdrop.h"

#include "GUI_AdvancedBackdrop.h"
#include "SIM_StandInLog.h"

GUI_Backdrop* GUI_GetBackdrop() {
  static GUI_Backdrop backdrop;
  return &backdrop;
}

void GUI_Backdrop::Refresh() { STAND_IN(); }

void GUI_Backdrop::Draw() { DrawWeatherBackdrop(); }

void GUI_Backdrop::DrawWeatherBackdrop() {
  STAND_IN();
  GUI_GetAdvancedBackdrop()->Draw(false);
}
