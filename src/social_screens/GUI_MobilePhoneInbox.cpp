#include "GUI_MobilePhoneInbox.h"

#include "SIM_StandInLog.h"

void GUI_MobilePhoneInbox::Close(int) { STAND_IN(); }
void GUI_MobilePhoneInbox::Hide(int) { STAND_IN(); }

bool GUI_MobilePhoneInbox::IsOpen() {
  STAND_IN();
  return false;
}
