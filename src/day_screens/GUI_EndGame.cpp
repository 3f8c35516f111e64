#include "GUI_EndGame.h"

#include "SIM_StandInLog.h"

int GUI_EndGame::CreatedCount = 0;
GUI_EndGame* GUI_EndGame::PTheWindow = nullptr;

GUI_EndGame::~GUI_EndGame() {
  if (PTheWindow == this) PTheWindow = nullptr;
}

void GUI_EndGame::Create() {
  STAND_IN();
  delete GUI_YearlyReview::PTheWindow;  // an open review, or an earlier end-of-game screen
  delete PTheWindow;
  PTheWindow = new GUI_EndGame();
  GUI_YearlyReview::PTheWindow = PTheWindow;
  ++CreatedCount;
}

void GUI_EndGame::Close() { delete PTheWindow; }
