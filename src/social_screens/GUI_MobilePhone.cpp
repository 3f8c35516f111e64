#include "GUI_MobilePhone.h"

#include "SIM_StandInLog.h"

GUI_MobilePhone* GUI_GetMobilePhone() {
  static GUI_MobilePhone instance;
  return &instance;
}

void GUI_MobilePhone::CheckRinging() { STAND_IN(); }
void GUI_MobilePhone::Initialise() { STAND_IN(); }
void GUI_MobilePhone::Clicked() { STAND_IN(); }
void GUI_MobilePhone::StopSounds() { STAND_IN(); }
