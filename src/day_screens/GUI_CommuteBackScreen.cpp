#include "GUI_CommuteBackScreen.h"

#include "GTranslation.h"
#include "GUI_ChangeNotifier.h"
#include "GUI_EventList.h"
#include "GUI_Sounds.h"
#include "SIM_Commute.h"
#include "SIM_SIM.h"
#include "SIM_StandInLog.h"

GUI_CommuteBackScreen* GUI_CommuteBackScreen::PTheWindow = nullptr;

namespace {
const char* const kPolice = "data/sounds/police.ogg";
const char* const kKungFu = "data/sounds/kungfu.ogg";
}  // namespace

void GUI_CommuteBackScreen::Create() {
  SIM_StandInLog::Record("GUI_CommuteBackScreen::Create");
  Close();
  PTheWindow = new GUI_CommuteBackScreen;
}

void GUI_CommuteBackScreen::Close() {
  GUI_CommuteBackScreen* page = PTheWindow;
  PTheWindow = nullptr;
  delete page;
}

GUI_CommuteBackScreen::GUI_CommuteBackScreen() : GUI_DiaryPage("TOOLTIP_COMMUTEBACK_COMMUTEBACK", CommuteBack) {
  GUI_EventList* events = GUI_GetEventList();
  GUI_Sounds* sounds = GUI_GetSounds();
  std::string title;
  std::string message;
  if (events->HasEvent("EVENT_MUGGED")) {
    sounds->PlaySound(kPolice, false);
    message = GTranslation::GetString("CRIME_TEXT_MUGGED");
    title = GTranslation::GetString("COMMUTINGHOME_MUGGED_TITLE");
  } else if (events->HasEvent("EVENT_MUGGERARRESTED")) {
    message = GTranslation::GetString("CRIME_TEXT_MUGGERARRESTED");
    title = GTranslation::GetString("COMMUTINGHOME_MUGGERARRESTED_TITLE");
    sounds->PlaySound(kPolice, false);
    sounds->PlaySound(kKungFu, false);
  } else if (events->HasEvent("EVENT_MUGGERDEFEATED")) {
    message = GTranslation::GetString("CRIME_TEXT_MUGGERDEFEATED");
    title = GTranslation::GetString("COMMUTINGHOME_MUGGERDEFEATED_TITLE");
    sounds->PlaySound(kPolice, false);
    sounds->PlaySound(kKungFu, false);
  } else {
    title = GTranslation::GetString("COMMUTINGHOMESCREEN_TITLE");
    message = GTranslation::GetString("COMMUTE_HOME_MESSAGE");
    GTranslation::ReplaceToken(message, "<UMBRELLA>",
                               events->HasEvent("USED_UMBRELLA") ? GTranslation::GetString("COMMUTE_HOME_UMBRELLA") : "");
    if (events->HasEvent("STUCK_IN_TRAFFIC")) message = GTranslation::GetString("COMMUTE_HOME_TRAFFIC");
  }
  SetLayout(260.0f, 0.0f);
  SetTexts(title, message);
  const std::string cost = CommuteCostLine("WORKDAY_COMMUTEHOMECOST");
  if (!cost.empty()) AddFurtherText(cost);
  StartWriting("trip home");
  SIM_GetCommute()->StartSound();
}

GUI_CommuteBackScreen::~GUI_CommuteBackScreen() {
  if (PTheWindow == this) PTheWindow = nullptr;
  SIM_GetCommute()->StopSound();
  GUI_EventList* events = GUI_GetEventList();
  for (const char* key : {"EVENT_MUGGED", "EVENT_MUGGERARRESTED", "EVENT_MUGGERDEFEATED", "STUCK_IN_TRAFFIC", "USED_MP3",
                          "USED_UMBRELLA"}) {
    events->ClearEvent(key);
  }
}

void GUI_CommuteBackScreen::CommuteBack(int) {
  GUI_ChangeNotifier::CloseAll();
  Close();
  SIM_GetSim()->ProcessAfterWork();
}
