#include "GUI_CommuteInScreen.h"

#include "GTranslation.h"
#include "GUI_ChangeNotifier.h"
#include "SIM_SIM.h"
#include "SIM_StandInLog.h"

GUI_CommuteInScreen* GUI_CommuteInScreen::PTheWindow = nullptr;

void GUI_CommuteInScreen::Create() {
  STAND_IN();
  Close();
  PTheWindow = new GUI_CommuteInScreen;
}

void GUI_CommuteInScreen::Close() {
  GUI_CommuteInScreen* page = PTheWindow;
  PTheWindow = nullptr;
  delete page;
}

GUI_CommuteInScreen::GUI_CommuteInScreen()
    : GUI_DayPageStandIn("trip to work", GTranslation::GetString("COMMUTINGINSCREEN_TITLE"),
                         GTranslation::GetString("STANDIN_COMMUTEIN_TEXT"), "TOOLTIP_COMMUTEIN_STARTWORK", StartWork) {}

GUI_CommuteInScreen::~GUI_CommuteInScreen() {
  if (PTheWindow == this) PTheWindow = nullptr;
}

void GUI_CommuteInScreen::StartWork(int) {
  GUI_ChangeNotifier::CloseAll();
  Close();
  SIM_GetSim()->ProcessWorkDay();
}
