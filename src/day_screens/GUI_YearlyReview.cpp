#include "GUI_YearlyReview.h"

#include "GUI_ChangeNotifier.h"
#include "SIM_SIM.h"
#include "SIM_StandInLog.h"
#include "SIM_Statistics.h"

int GUI_YearlyReview::CreatedCount = 0;
GUI_YearlyReview* GUI_YearlyReview::PTheWindow = nullptr;

GUI_YearlyReview::~GUI_YearlyReview() {
  if (PTheWindow == this) PTheWindow = nullptr;
}

void GUI_YearlyReview::Create() {
  STAND_IN();
  delete PTheWindow;
  PTheWindow = new GUI_YearlyReview();
  SIM_GetStatistics()->StopTimer();
  ++CreatedCount;
}

void GUI_YearlyReview::Close() {
  GUI_ChangeNotifier::CloseAll();
  delete PTheWindow;
}

void GUI_YearlyReview::Continue(int) {
  Close();
  SIM_GetSim()->ProcessWakeUp();
}
