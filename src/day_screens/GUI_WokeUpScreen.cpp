#include "GUI_WokeUpScreen.h"

#include <cstdio>

#include "GRandom.h"
#include "GTranslation.h"
#include "GUI_ButtonText.h"
#include "GUI_ChangeNotifier.h"
#include "GUI_CommuteMethodChooser.h"
#include "SIM_Commute.h"
#include "SIM_CommuteMethod.h"
#include "SIM_Date.h"
#include "SIM_Dirt.h"
#include "SIM_Health.h"
#include "SIM_JobBase.h"
#include "SIM_NamedValue.h"
#include "SIM_PetBase.h"
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

// A healthy working morning: drunk, tired, a dirty home, the dog, or an ordinary one.
std::string HealthyMorning() {
  SIM_Vede* vede = SIM_GetVede();
  if (vede->GetValue("alcohol") > 0.75f) return GTranslation::GetString("WOKEUP_WORKDAY_MESSAGE_DRUNK");
  if (vede->GetValue("tiredness") > 0.75f) return GTranslation::GetString("WOKEUP_WORKDAY_MESSAGE_TIRED");
  if (SIM_Dirt::GetDirtValue()->GetValue() > 0.5f) return GTranslation::GetString("WOKEUP_WORKDAY_DIRTY");
  if (SIM_NamedValueList::Globals.IsTrue("dog") && GRandom::IsChance(0.25f)) {
    // The flag may outlive the dog for a day; without it the morning is an ordinary one.
    SIM_PetBase* dog = SIM_PetBase::GetByName("dog");
    if (dog && dog->IsOwned()) {
      std::string message = GTranslation::GetString("WOKEUP_WORKDAY_DOG");
      GTranslation::ReplaceToken(message, "<DOGNAME>", dog->GetPetName());
      dog->PlaySound();
      return message;
    }
  }
  return GTranslation::GetString("WOKEUP_WORKDAY_MESSAGE");
}

// The first rule that holds: no job, the weekend, a working morning, or the illness that keeps
// the player at home. Then the comment on an unwashed player, and no token is left showing.
std::string MorningMessage() {
  const SIM_Date* today = SIM_Date::PPresentDay;
  std::string message;
  if (IsUnemployed()) {
    message = GTranslation::GetString("WORKDAY_UNEMPLOYED");
  } else if (today && today->GetDayOfWeek() >= 5) {
    message = GTranslation::GetString("WEEKEND_MESSAGE");
  } else if (SIM_GetHealth()->IsHealthy()) {
    message = HealthyMorning();
  } else {
    switch (SIM_GetHealth()->GetState()) {
      case 1: message = GTranslation::GetString("SICKDAY_MESSAGE_COLD"); break;
      case 2: message = GTranslation::GetString("SICKDAY_MESSAGE_ILL"); break;
      case 3: message = GTranslation::GetString("SICKDAY_MESSAGE_STRESS"); break;
      default: break;
    }
  }
  if (SIM_GetVede()->GetValue("_cleanliness") < 0.2f) {
    GTranslation::ReplaceToken(message, "<CLEANLINESS_COMMENT>", GTranslation::GetString("WOKEUP_UNCLEAN"));
  }
  GTranslation::ClearTokens(message);
  return message;
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
  SIM_StandInLog::Record("GUI_WokeUpScreen::Create");
  Close();
  PTheWindow = new GUI_WokeUpScreen;
}

void GUI_WokeUpScreen::Close() {
  GUI_WokeUpScreen* page = PTheWindow;
  PTheWindow = nullptr;
  delete page;
}

GUI_WokeUpScreen::GUI_WokeUpScreen()
    : GUI_DiaryPage(IsWorkingDay() ? "TOOLTIP_WOKEUP_COMMUTEIN" : "TOOLTIP_WOKEUP_STAYHOME",
                    IsWorkingDay() ? CommuteIn : StayHome),
      m_workingDay(IsWorkingDay()) {
  SetShowCash(true);
  SetLayout(260.0f, 20.0f);
  SetTexts(DateTitle(), MorningMessage());
  if (m_workingDay) {
    if (SIM_CommuteMethod* method = SIM_Commute::GetMethod()) {
      const std::string plan = method->GetCurrentPlan();
      if (!plan.empty()) AddFurtherText(plan);
    }
    m_changeCommute = new GUI_ButtonText("CHANGE_COMMUTE", ChangeCommute, 0);
    m_changeCommute->SetPosition(130.0f, 440.0f, 420.0f, 464.0f);
    AddButton(m_changeCommute);
  }
  StartWriting("waking up");
}

GUI_WokeUpScreen::~GUI_WokeUpScreen() {
  if (PTheWindow == this) PTheWindow = nullptr;
  GUI_CommuteMethodChooser::Close();
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

void GUI_WokeUpScreen::ChangeCommute(int) { GUI_CommuteMethodChooser::Create(); }
