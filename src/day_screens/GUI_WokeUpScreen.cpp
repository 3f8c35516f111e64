#include "GUI_WokeUpScreen.h"

#include <cstdio>

#include "GTranslation.h"
#include "GUI_ChangeNotifier.h"
#include "SIM_Date.h"
#include "SIM_Health.h"
#include "SIM_JobBase.h"
#include "SIM_SIM.h"
#include "SIM_StandInLog.h"
#include "SIM_Vede.h"

GUI_WokeUpScreen* GUI_WokeUpScreen::PTheWindow = nullptr;

namespace {

const char* const kDayKeys[7] = {"DAY_MONDAY", "DAY_TUESDAY",  "DAY_WEDNESDAY", "DAY_THURSDAY",
                                 "DAY_FRIDAY", "DAY_SATURDAY", "DAY_SUNDAY"};

bool IsUnemployed() {
  SIM_JobBase* job = SIM_GetVede()->GetJob();
  return !job || job->IsUnemployed();
}

// The first rule that holds: no job, the weekend, a working morning (drunk, tired or fine), or
// the illness that keeps the player at home.
std::string MorningMessage() {
  const SIM_Date* today = SIM_Date::PPresentDay;
  if (IsUnemployed()) return GTranslation::GetString("WORKDAY_UNEMPLOYED");
  if (today && today->GetDayOfWeek() >= 5) return GTranslation::GetString("WEEKEND_MESSAGE");
  SIM_Health* health = SIM_GetHealth();
  if (health->IsHealthy()) {
    SIM_Vede* vede = SIM_GetVede();
    if (vede->GetValue("alcohol") > 0.75f) return GTranslation::GetString("WOKEUP_WORKDAY_MESSAGE_DRUNK");
    if (vede->GetValue("tiredness") > 0.75f) return GTranslation::GetString("WOKEUP_WORKDAY_MESSAGE_TIRED");
    return GTranslation::GetString("WOKEUP_WORKDAY_MESSAGE");
  }
  switch (health->GetState()) {
    case 1: return GTranslation::GetString("SICKDAY_MESSAGE_COLD");
    case 2: return GTranslation::GetString("SICKDAY_MESSAGE_ILL");
    case 3: return GTranslation::GetString("SICKDAY_MESSAGE_STRESS");
    default: return "";
  }
}

}  // namespace

bool GUI_WokeUpScreen::IsWorkingDay() {
  if (IsUnemployed() || !SIM_GetHealth()->IsHealthy()) return false;
  return SIM_Date::PPresentDay && SIM_Date::PPresentDay->GetDayOfWeek() <= 4;
}

std::string GUI_WokeUpScreen::DateTitle() {
  const SIM_Date* today = SIM_Date::PPresentDay;
  if (!today) return "";
  int day = today->GetDayOfWeek();
  if (day < 0 || day > 6) day = 0;
  char title[256];
  std::snprintf(title, sizeof title, "%s %s %d", GTranslation::GetString(kDayKeys[day]),
                SIM_Date::GetMonthName(today->GetMonth()).c_str(), today->GetYear());
  return title;
}

void GUI_WokeUpScreen::Create() {
  STAND_IN();
  Close();
  PTheWindow = new GUI_WokeUpScreen;
}

void GUI_WokeUpScreen::Close() {
  GUI_WokeUpScreen* page = PTheWindow;
  PTheWindow = nullptr;
  delete page;
}

GUI_WokeUpScreen::GUI_WokeUpScreen()
    : GUI_DayPageStandIn("waking up", DateTitle(), MorningMessage(),
                         IsWorkingDay() ? "TOOLTIP_WOKEUP_COMMUTEIN" : "TOOLTIP_WOKEUP_STAYHOME",
                         IsWorkingDay() ? CommuteIn : StayHome),
      m_workingDay(IsWorkingDay()) {
  SetShowCash(true);
}

GUI_WokeUpScreen::~GUI_WokeUpScreen() {
  if (PTheWindow == this) PTheWindow = nullptr;
}

void GUI_WokeUpScreen::CommuteIn(int) {
  GUI_ChangeNotifier::CloseAll();
  Close();
  SIM_GetSim()->ProcessCommuteIn();
}

void GUI_WokeUpScreen::StayHome(int) {
  GUI_ChangeNotifier::CloseAll();
  Close();
  SIM_GetSim()->PrepareForEvening();
}
