#include "GUI_AfterWorkScreen.h"

#include "GTranslation.h"
#include "GUI_ChangeNotifier.h"
#include "SIM_SIM.h"
#include "SIM_StandInLog.h"

GUI_AfterWorkScreen* GUI_AfterWorkScreen::PTheWindow = nullptr;

void GUI_AfterWorkScreen::Create() {
  STAND_IN();
  Close();
  PTheWindow = new GUI_AfterWorkScreen;
}

void GUI_AfterWorkScreen::Close() {
  GUI_AfterWorkScreen* page = PTheWindow;
  PTheWindow = nullptr;
  delete page;
}

GUI_AfterWorkScreen::GUI_AfterWorkScreen()
    : GUI_DayPageStandIn("after work", GTranslation::GetString("AFTERWORKSCREEN_TITLE"),
                         GTranslation::GetString("STANDIN_AFTERWORK_TEXT"), "TOOLTIP_AFTERWORK_CONTINUE", Continue) {}

GUI_AfterWorkScreen::~GUI_AfterWorkScreen() {
  if (PTheWindow == this) PTheWindow = nullptr;
}

void GUI_AfterWorkScreen::Continue(int) {
  GUI_ChangeNotifier::CloseAll();
  Close();
  SIM_GetSim()->PrepareForEvening();
}
