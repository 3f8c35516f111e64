#include "GUI_CommuteInScreen.h"

#include "GTranslation.h"
#include "GUI_ChangeNotifier.h"
#include "GUI_EventList.h"
#include "SIM_Commute.h"
#include "SIM_Description.h"
#include "SIM_JobBase.h"
#include "SIM_SIM.h"
#include "SIM_StandInLog.h"
#include "SIM_Vede.h"
#include "SIM_Weather.h"

GUI_CommuteInScreen* GUI_CommuteInScreen::PTheWindow = nullptr;

namespace {

// An uneventful trip: the weather, the way the player travels and how he feels about the day.
std::string QuietTrip() {
  static const char* const kWeatherKeys[4] = {"WORKDAY_WEATHER_SUN", "WORKDAY_WEATHER_CLOUD", "WORKDAY_WEATHER_RAIN",
                                              "WORKDAY_WEATHER_SNOW"};
  std::string message = GTranslation::GetString("WORKDAY_WEATHER_COMMENT");
  const int type = SIM_GetWeather()->GetType();
  GTranslation::ReplaceToken(message, "<WEATHERCOMMENT>",
                             type >= 0 && type < 4 ? GTranslation::GetString(kWeatherKeys[type]) : "");
  GTranslation::ReplaceToken(message, "<METHODVERBDATA>", SIM_Commute::GetMethodVerbData());
  SIM_Description* description = SIM_GetDescription();
  description->PopulateFeelingCandidates();
  description->SelectAdjectives();
  GTranslation::ReplaceToken(message, "<PRIMARYEMOTE>", description->GetFirstAdjective());
  GTranslation::ReplaceToken(message, "<SECONDARYEMOTE>", description->GetSecondAdjective());
  return message;
}

}  // namespace

void GUI_CommuteInScreen::Create() {
  SIM_StandInLog::Record("GUI_CommuteInScreen::Create");
  Close();
  PTheWindow = new GUI_CommuteInScreen;
}

void GUI_CommuteInScreen::Close() {
  GUI_CommuteInScreen* page = PTheWindow;
  PTheWindow = nullptr;
  delete page;
}

GUI_CommuteInScreen::GUI_CommuteInScreen() : GUI_DiaryPage("TOOLTIP_COMMUTEIN_STARTWORK", StartWork) {
  GUI_EventList* events = GUI_GetEventList();
  std::string message;
  if (events->HasEvent("CAUGHT_DRUNK_DRIVING")) {
    message = GTranslation::GetString("COMMUTE_CAUGHT_DRUNK_DRIVING");
    m_special = true;
  } else if (events->HasEvent("MISSED_BUS")) {
    message = GTranslation::GetString("COMMUTE_MISSED_BUS");
  } else if (events->HasEvent("STUCK_IN_TRAFFIC")) {
    message = GTranslation::GetString("COMMUTE_STUCK_IN_TRAFFIC");
  } else if (events->HasEvent("USED_UMBRELLA")) {
    message = GTranslation::GetString("COMMUTE_USED_UMBRELLA");
  } else if (events->HasEvent("USED_MP3")) {
    message = GTranslation::GetString("COMMUTE_USED_MP3");
  } else {
    message = QuietTrip();
  }
  // "MISSED_BUS" stays: the work day reads it for the day's performance.
  for (const char* key : {"STUCK_IN_TRAFFIC", "USED_MP3", "USED_UMBRELLA", "CAUGHT_DRUNK_DRIVING"}) {
    events->ClearEvent(key);
  }
  SIM_JobBase* job = SIM_GetVede()->GetJob();
  GTranslation::ReplaceToken(message, "<WORKPLACE>", job ? job->GetWorkplace() : std::string());

  SetLayout(260.0f, 0.0f);
  SetTexts(GTranslation::GetString("COMMUTINGINSCREEN_TITLE"), message);
  const std::string cost = CommuteCostLine("WORKDAY_COMMUTECOST");
  if (!cost.empty()) AddFurtherText(cost);
  SetColour(m_special ? kEmphasisColour : kInkColour);
  StartWriting("trip to work");
  SIM_GetCommute()->StartSound();
}

GUI_CommuteInScreen::~GUI_CommuteInScreen() {
  if (PTheWindow == this) PTheWindow = nullptr;
  SIM_GetCommute()->StopSound();
}

void GUI_CommuteInScreen::StartWork(int) {
  GUI_ChangeNotifier::CloseAll();
  Close();
  SIM_GetSim()->ProcessWorkDay();
}
