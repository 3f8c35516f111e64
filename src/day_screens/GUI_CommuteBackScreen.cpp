#include "GUI_CommuteBackScreen.h"

#include "GTranslation.h"
#include "GUI_ChangeNotifier.h"
#include "SIM_SIM.h"
#include "SIM_StandInLog.h"

GUI_CommuteBackScreen* GUI_CommuteBackScreen::PTheWindow = nullptr;

void GUI_CommuteBackScreen::Create() {
  STAND_IN();
  Close();
  PTheWindow = new GUI_CommuteBackScreen;
}

void GUI_CommuteBackScreen::Close() {
  GUI_CommuteBackScreen* page = PTheWindow;
  PTheWindow = nullptr;
  delete page;
}

GUI_CommuteBackScreen::GUI_CommuteBackScreen()
    : GUI_DayPageStandIn("trip home", GTranslation::GetString("COMMUTINGHOMESCREEN_TITLE"),
                         GTranslation::GetString("STANDIN_COMMUTEBACK_TEXT"), "TOOLTIP_COMMUTEBACK_COMMUTEBACK",
                         CommuteBack) {}

GUI_CommuteBackScreen::~GUI_CommuteBackScreen() {
  if (PTheWindow == this) PTheWindow = nullptr;
}

void GUI_CommuteBackScreen::CommuteBack(int) {
  GUI_ChangeNotifier::CloseAll();
  Close();
  SIM_GetSim()->ProcessAfterWork();
}
