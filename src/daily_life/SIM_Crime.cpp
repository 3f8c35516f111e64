#include "SIM_Crime.h"

#include <algorithm>

#include "GDebug.h"
#include "GRandom.h"
#include "GUI_EventList.h"
#include "GUI_Sounds.h"
#include "SIM_AchievementBase.h"
#include "SIM_Asset.h"
#include "SIM_Commute.h"
#include "SIM_Date.h"
#include "SIM_Dog.h"
#include "SIM_Finances.h"
#include "SIM_GlobalVariable.h"
#include "SIM_Health.h"
#include "SIM_JobBase.h"
#include "SIM_NamedValue.h"
#include "SIM_SIM.h"
#include "SIM_Script.h"
#include "SIM_SmallTalk.h"
#include "SIM_StandInLog.h"
#include "SIM_Vede.h"

namespace {
// How long the town talks about a crime.
constexpr int kCrimeTalkDays = 4;
// Below this the thief finds nothing worth taking.
constexpr float kSmallChange = 3.5f;
}  // namespace

SIM_Crime* SIM_GetCrime() {
  static SIM_Crime instance;
  return &instance;
}

SIM_Crime::SIM_Crime() : m_minInterval((int32_t)SIM_GetGlobalVariables()->Get("CRIME_MIN_INTERVAL")) {}

void SIM_Crime::Initialise() {
  // The day turn's tests watch for the new game's crime draw at this moment.
  SIM_StandInLog::Record("SIM_Crime::Initialise");
  m_daysToNextMugging = DrawCountdown("GV_MUGGING_INTERVAL_MIN", "GV_MUGGING_INTERVAL_MAX");
  m_daysToNextBurglary = DrawCountdown("GV_BURGLARY_INTERVAL_MIN", "GV_BURGLARY_INTERVAL_MAX");
}

int32_t SIM_Crime::DrawCountdown(const char* minKey, const char* maxKey) {
  SIM_GlobalVariable* variables = SIM_GetGlobalVariables();
  const int lo = (int)variables->Get(minKey);
  const int hi = (int)variables->Get(maxKey);
  return (int32_t)GRandom::RandReal((float)lo, (float)hi);
}

int32_t SIM_Crime::TurnsSinceLastCrime() const { return SIM_GetSim()->GetTurnCount() - m_lastCrimeTurn; }

void SIM_Crime::TakeCash(float lo, float hi) {
  SIM_Finances* finances = SIM_GetFinances();
  const float cash = finances->GetCash();
  if (cash > kSmallChange) finances->SpendCash(GRandom::RandReal(lo, hi) * cash);
}

void SIM_Crime::CheckForMugging() {
  SIM_StandInLog::Record("SIM_Crime::CheckForMugging");
  --m_daysToNextMugging;
  if (TurnsSinceLastCrime() < m_minInterval) return;
  if (m_daysToNextMugging > 0) return;
  SIM_Vede* vede = SIM_GetVede();
  if (vede->GetValue("muscles") > 0.5f) return;
  if (const SIM_JobBase* job = vede->GetJob(); job && job->GetIndustryName() == "lawenforcement") return;
  if (!SIM_GetCommute()->Muggable()) return;
  Mugged();
}

void SIM_Crime::Mugged() {
  m_lastCrimeTurn = SIM_GetSim()->GetTurnCount();
  m_daysToNextMugging = DrawCountdown("GV_MUGGING_INTERVAL_MIN", "GV_MUGGING_INTERVAL_MAX");
  SIM_Vede* vede = SIM_GetVede();
  const float skill = std::max(vede->GetValue("kungfu"), vede->GetValue("kickboxing"));
  GUI_EventList* events = GUI_GetEventList();
  SIM_SmallTalk* talk = SIM_GetSmallTalk();
  if (skill > 0.9f) {
    events->AddEvent("EVENT_MUGGERARRESTED");
    talk->AddTempEvent("SMALLTALK_MUGGER_ARRESTED", kCrimeTalkDays);
    SIM_AchievementBase::AddAchievement("ACH_ARREST_MUGGER");
    SIM_GetScript()->RunScript("arrested_mugger.txt", 1.0f);
    GetDebug()->DebugOut("Crime: a mugger arrested");
  } else if (skill > 0.5f) {
    events->AddEvent("EVENT_MUGGERDEFEATED");
    talk->AddTempEvent("SMALLTALK_MUGGER_DEFEATED", kCrimeTalkDays);
    SIM_AchievementBase::AddAchievement("ACH_FIGHT_MUGGER");
    SIM_GetScript()->RunScript("defeated_mugger.txt", 1.0f);
    GetDebug()->DebugOut("Crime: a mugger beaten off");
  } else {
    events->AddEvent("EVENT_MUGGED");
    TakeCash(0.75f, 0.95f);
    talk->AddTempEvent("SMALLTALK_MUGGED", kCrimeTalkDays);
    SIM_AchievementBase::AddAchievement("ACH_MUGGED");
    SIM_GetScript()->RunScript("mugged.txt", 1.0f);
    GetDebug()->DebugOut("Crime: mugged on the way home");
  }
}

void SIM_Crime::CheckForBurglary() {
  SIM_StandInLog::Record("SIM_Crime::CheckForBurglary");
  --m_daysToNextBurglary;
  if (TurnsSinceLastCrime() < m_minInterval) return;
  if (!SIM_GetHealth()->IsHealthy()) return;
  if (m_daysToNextBurglary >= 1) return;
  if (!SIM_Date::PPresentDay || SIM_Date::PPresentDay->GetDayOfWeek() >= 5) return;
  Burgled();
}

void SIM_Crime::Burgled() {
  m_lastCrimeTurn = SIM_GetSim()->GetTurnCount();
  m_daysToNextBurglary = DrawCountdown("GV_BURGLARY_INTERVAL_MIN", "GV_BURGLARY_INTERVAL_MAX");
  GUI_EventList* events = GUI_GetEventList();
  // The alarm scares the burglar off before the dog gets to him.
  if (SIM_NamedValueList::Globals.IsTrue("alarm")) {
    GUI_GetSounds()->PlaySound("data/sounds/alarm.ogg", false);
    events->AddEvent("EVENT_ATTEMPTEDBREAKIN");
    events->SetAfterWorkEvent(true);
    GetDebug()->DebugOut("Crime: a break-in stopped by the alarm");
    return;
  }
  if (SIM_NamedValueList::Globals.IsTrue("dog")) {
    events->AddEvent("EVENT_DOGDEFENDED");
    events->SetAfterWorkEvent(true);
    SIM_GetSmallTalk()->AddTempEvent("SMALLTALK_DOGDEFENDED", kCrimeTalkDays);
    GUI_GetSounds()->PlaySound("data/sounds/dog_growl.ogg", false);
    // The flag can outlive the dog (an older save): then nobody counts the burglar.
    if (SIM_Dog* dog = dynamic_cast<SIM_Dog*>(SIM_Asset::GetOwnedByName("dog"))) {
      dog->AttackBurglar();
    } else {
      GWarnOnce("crime-dog", "Crime: the value \"dog\" is set but no dog is owned", __FILE__, __LINE__);
    }
    GetDebug()->DebugOut("Crime: the dog drove a burglar off");
    return;
  }
  SIM_GetScript()->RunScript("burgled.txt", 1.0f);
  events->AddEvent("EVENT_BURGLED");
  events->SetAfterWorkEvent(true);
  SIM_Asset::StealAssets();
  TakeCash(0.25f, 0.5f);
  SIM_GetSmallTalk()->AddTempEvent("SMALLTALK_BURGLED", kCrimeTalkDays);
  SIM_AchievementBase::AddAchievement("ACH_BURGLED");
  GetDebug()->DebugOut("Crime: burgled");
}
