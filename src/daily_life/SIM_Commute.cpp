#include "SIM_Commute.h"

#include <algorithm>

#include "GRandom.h"
#include "GUI_EventList.h"
#include "GUI_Sounds.h"
#include "SIM_CommuteMethod.h"
#include "SIM_Date.h"
#include "SIM_Finances.h"
#include "SIM_GlobalVariable.h"
#include "SIM_Health.h"
#include "SIM_JobBase.h"
#include "SIM_NamedValue.h"
#include "SIM_SIM.h"
#include "SIM_Script.h"
#include "SIM_StandInLog.h"
#include "SIM_Statistics.h"
#include "SIM_Vede.h"
#include "SIM_Weather.h"

namespace {
// A drunk driver's fine is three days' pay, but never more than this.
constexpr float kMaxDrunkDrivingFine = 200.0f;
constexpr float kMaxBoredom = 4.0f;
}  // namespace

SIM_Commute* SIM_GetCommute() {
  static SIM_Commute instance;
  return &instance;
}

SIM_CommuteMethod* SIM_Commute::GetMethod() { return SIM_CommuteMethod::GetCurrent(); }

std::string SIM_Commute::GetMethodVerbData() {
  SIM_CommuteMethod* method = GetMethod();
  return method ? method->GetVerbData() : std::string();
}

void SIM_Commute::ProcessCommute() {
  SIM_StandInLog::Record("SIM_Commute::ProcessCommute");
  if (SIM_Date::PPresentDay && SIM_Date::PPresentDay->GetDayOfWeek() > 4) return;

  SIM_CommuteMethod::CheckValidMethod();
  SIM_CommuteMethod* method = GetMethod();
  if (!method) {
    m_todaysCost = 0.0f;
    return;
  }
  SIM_Vede* vede = SIM_GetVede();
  SIM_JobBase* job = vede->GetJob();
  const float distance = job ? job->GetCommuteDistance() : 0.0f;
  const std::string name = method->GetName();
  const SIM_SIM::TURNMODE mode = SIM_GetSim()->GetTurnMode();
  const bool morning = mode == SIM_SIM::TURNMODE_COMMUTEIN;
  SIM_NamedValueList& globals = SIM_NamedValueList::Globals;
  GUI_EventList* events = GUI_GetEventList();
  SIM_Script* script = SIM_GetScript();

  m_todaysCost = method->GetCost(distance);
  if (m_todaysCost > 0.0f) SIM_GetFinances()->SpendCash(m_todaysCost);

  SIM_Weather* weather = SIM_GetWeather();
  const int weatherType = weather->GetType();
  const bool umbrella = globals.IsTrue("umbrella");
  float stress = method->GetStress(weatherType);
  if ((name == "bus" || name == "walk") && umbrella && weatherType == SIM_Weather::WEATHER_RAIN) {
    stress /= 4.0f;
    events->AddEvent("USED_UMBRELLA");
  }

  if (name == "car") {
    if (vede->GetValue("alcohol") > 0.75f && morning) {
      events->AddEvent("CAUGHT_DRUNK_DRIVING");
      script->RunScript("drunk_driving.txt", 1.0f);
      GUI_GetSounds()->PlaySound("data/sounds/police.ogg", false);
      const float earnings = job ? job->GetTodaysEarnings() : 0.0f;
      SIM_GetFinances()->SpendCash(std::min(3.0f * earnings, kMaxDrunkDrivingFine));
    } else if (GRandom::IsChance(SIM_GetGlobalVariables()->Get("BADTRAFFIC_CHANCE"))) {
      events->AddEvent("STUCK_IN_TRAFFIC");
      script->RunScript("stuck_in_traffic.txt", 1.0f);
    }
  }

  if (stress > 0.0f) vede->ApplyEffect("stress", stress, 0.0f, "commute");

  if (name == "bus" && morning &&
      vede->GetValue("tiredness") >= SIM_GetGlobalVariables()->Get("TIRED_MISS_BUS") && GRandom::IsChance(0.5f)) {
    events->AddEvent("MISSED_BUS");
    script->RunScript("missed_bus.txt", 1.0f);
  }

  float boredom = distance;
  if (method->CanUseMP3() && globals.IsTrue("mp3player")) {
    boredom /= 4.0f;
    events->AddEvent("USED_MP3");
  }
  boredom = std::min(boredom, kMaxBoredom);

  script->RunScript(method->GetOneOffScript(), 1.0f);
  script->RunScript(method->GetPerMileScript(), distance);
  script->RunScript(method->GetBoredomScript(), boredom);

  if (name == "walk") SIM_GetStatistics()->ChangeCounter(4.0f * distance, "MILES_WALKED_TO_WORK");

  if (weatherType == SIM_Weather::WEATHER_RAIN && !umbrella) {
    const float intensity = weather->GetIntensity(SIM_Weather::WEATHER_RAIN);
    if (intensity > 0.0f) SIM_GetHealth()->CheckForCold(intensity);
  }
}

bool SIM_Commute::Muggable() const {
  SIM_CommuteMethod* method = GetMethod();
  if (!method) return true;
  const std::string name = method->GetName();
  return name != "car" && name != "taxi" && name != "motorbike";
}

void SIM_Commute::StartSound() const {
  SIM_CommuteMethod* method = GetMethod();
  if (method && !method->GetSound().empty()) GUI_GetSounds()->PlaySound(method->GetSound().c_str(), false);
}

void SIM_Commute::StopSound() const {
  SIM_CommuteMethod* method = GetMethod();
  if (method && !method->GetSound().empty()) GUI_GetSounds()->StopSound(method->GetSound().c_str());
}
