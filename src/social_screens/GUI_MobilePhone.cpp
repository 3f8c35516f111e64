#include "GUI_MobilePhone.h"

#include "SIM_StandInLog.h"

GUI_MobilePhone* GUI_GetMobilePhone() {
  static GUI_MobilePhone instance;
  return &instance;
}

void GUI_MobilePhone::CheckRinging() { SIM_StandInLog::Called("GUI_MobilePhone::CheckRinging"); }
