#include "GUI_WorkDayScreen.h"

#include "GTranslation.h"
#include "GUI_ChangeNotifier.h"
#include "SIM_SIM.h"
#include "SIM_StandInLog.h"

GUI_WorkDayScreen* GUI_WorkDayScreen::PTheWindow = nullptr;

void GUI_WorkDayScreen::Create() {
  STAND_IN();
  Close();
  PTheWindow = new GUI_WorkDayScreen;
}

void GUI_WorkDayScreen::Close() {
  GUI_WorkDayScreen* page = PTheWindow;
  PTheWindow = nullptr;
  delete page;
}

GUI_WorkDayScreen::GUI_WorkDayScreen()
    : GUI_DayPageStandIn("work day", GTranslation::GetString("STANDIN_WORKDAY_TITLE"),
                         GTranslation::GetString("STANDIN_WORKDAY_TEXT"), "TOOLTIP_WORKDAY_GOHOME", GoHome) {
  SetShowCash(true);
}

GUI_WorkDayScreen::~GUI_WorkDayScreen() {
  if (PTheWindow == this) PTheWindow = nullptr;
}

void GUI_WorkDayScreen::GoHome(int) {
  GUI_ChangeNotifier::CloseAll();
  Close();
  SIM_GetSim()->ProcessCommuteBack();
}
