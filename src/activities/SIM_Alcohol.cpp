#include "SIM_Alcohol.h"

#include <algorithm>

#include "ActivityHooks.h"
#include "GDebug.h"
#include "GTranslation.h"
#include "GUI_Message.h"
#include "GUI_Sounds.h"
#include "SIM_AchievementBase.h"
#include "SIM_Date.h"
#include "SIM_GlobalVariable.h"
#include "SIM_NamedValue.h"
#include "SIM_ScheduledEvents.h"
#include "SIM_SmallTalk.h"
#include "SIM_SoloActivityType.h"
#include "SIM_StandInLog.h"
#include "SIM_Vede.h"

namespace {
constexpr int kMeetingDay = 1;  // the day of the week the group meets
const char* const kMeetingName = "alcoholicsmeeting";
float AlcoholTuning(const char* key) { return SIM_GetGlobalVariables()->Get(key); }
}  // namespace

SIM_Alcohol* HOOK_GetAlcohol() {
  static SIM_Alcohol instance;
  return &instance;
}

void SIM_Alcohol::Initialise() {
  m_addictionStrength = 0.0f;
  m_alcoholic = false;
  m_bloodAlcohol = 0.0f;
}

void SIM_Alcohol::Restore(float addictionStrength, bool alcoholic, float bloodAlcohol) {
  m_addictionStrength = addictionStrength;
  m_alcoholic = alcoholic;
  m_bloodAlcohol = std::max(0.0f, bloodAlcohol);
}

void SIM_Alcohol::Process() {
  // The day turn's tests watch for this moment of the evening.
  SIM_StandInLog::Record("SIM_Alcohol::Process");
  const float alcohol = SIM_GetVede()->GetValue("alcohol");
  if (!m_alcoholic) {
    if (alcohol > 0.75f)
      m_bloodAlcohol += AlcoholTuning("GV_BLOODALCOHOL_GAINRATE");
    else
      m_bloodAlcohol = std::max(0.0f, m_bloodAlcohol - AlcoholTuning("GV_BLOODALCOHOL_RECOVER"));
    if (m_bloodAlcohol > 1.0f) BecomeAlcoholic();
    return;
  }
  AffectMood();
  if (alcohol < 0.05f) m_addictionStrength -= AlcoholTuning("GV_ALCOHOLIC_RECOVERY");
  if (alcohol > 0.8f) m_addictionStrength = 1.0f;  // one heavy evening undoes it all
  if (m_addictionStrength > 0.0f) {
    if (SIM_Date::PPresentDay && SIM_Date::PPresentDay->GetDayOfWeek() == 2) BookMeeting(6);
  } else {
    RecoverFromAlcoholism();
  }
}

void SIM_Alcohol::AffectMood() {
  if (SIM_GetVede()->GetValue("alcohol") >= 0.5f) return;
  SIM_Vede* vede = SIM_GetVede();
  vede->ApplyEffect("loneliness", 0.15f, 0.0f, "alcoholism");
  vede->ApplyEffect("happiness", -0.15f, 0.0f, "alcoholism");
  vede->ApplyEffect("confidence", -0.1f, 0.0f, "alcoholism");
}

void SIM_Alcohol::BecomeAlcoholic() {
  m_alcoholic = true;
  m_addictionStrength = 1.0f;
  SIM_NamedValueList::ForceGlobal("alcoholic", 1.0f);
  GUI_Message::Create(GTranslation::GetString("BECOME_ALCOHOLIC_MESSAGE"), GTranslation::GetString("BECOME_ALCOHOLIC_TITLE"));
  SIM_GetSmallTalk()->AddTempEvent("SMALLTALK_ALCOHOLICSTART", 3);
  GUI_GetSounds()->PlaySound("data/sounds/wine.ogg", false);
  SIM_AchievementBase::AddAchievement("ACH_BECOME_ALCOHOLIC");
  BookMeeting(0);
  GetDebug()->DebugOut(GFormat("Drinking: the player is an alcoholic (blood alcohol %.2f)", (double)m_bloodAlcohol).c_str());
}

void SIM_Alcohol::RecoverFromAlcoholism() {
  Initialise();
  SIM_NamedValueList::ForceGlobal("alcoholic", 0.0f);
  GUI_GetSounds()->PlaySound("data/sounds/applause.ogg", false);
  SIM_AchievementBase::AddAchievement("ACH_BEATEN_ALCOHOLIC");
  GUI_Message::Create(GTranslation::GetString("RECOVER_ALCOHOLIC_MESSAGE"), GTranslation::GetString("RECOVER_ALCOHOLIC_TITLE"));
  SIM_GetScheduledEvents()->ClearEvents(kMeetingName);
  GetDebug()->DebugOut("Drinking: the player has beaten the habit");
}

// The game-wide "alcoholic" value comes back with the other saved values.
void SIM_Alcohol::PostLoad() {
  if (m_alcoholic) BookMeeting(0);
}

void SIM_Alcohol::BookMeeting(int daysAhead) {
  if (!SIM_Date::PPresentDay) return;
  // A copy moved by the plain date step: booking must not tick the world's day.
  SIM_Date date;
  date.Set(SIM_Date::PPresentDay);
  if (daysAhead > 0) date.IncrementDays(daysAhead);
  while (date.GetDayOfWeek() != kMeetingDay) date.IncrementDays(1);
  SIM_GetScheduledEvents()->ScheduleEvent(kMeetingName, date, GTranslation::GetString("ALCOHOLICS_MEETING_REMINDER"));
}

// A meeting counts as five sober evenings; the strength may go below zero.
void SIM_Alcohol::AttendMeeting() { m_addictionStrength -= 5.0f * AlcoholTuning("GV_ALCOHOLIC_RECOVERY"); }

// The meeting is an evening of its own: the solo evening that calls this hook pays its price and
// uses the slot, so the hook adds only what the meeting does for the drinker and the activity's
// effects (its row leaves them to the script).
void SIM_HookAlcoholMeeting() {
  HOOK_GetAlcohol()->AttendMeeting();
  if (SIM_SoloActivityType* type = SIM_SoloActivityType::GetByName(kMeetingName)) type->ApplyModifiers(1.0f);
}
