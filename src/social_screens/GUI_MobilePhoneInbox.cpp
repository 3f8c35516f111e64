#include "GUI_MobilePhoneInbox.h"

#include "SIM_StandInLog.h"

void GUI_MobilePhoneInbox::Close(int) { SIM_StandInLog::Called("GUI_MobilePhoneInbox::Close"); }
