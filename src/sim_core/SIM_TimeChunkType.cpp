#include "SIM_TimeChunkType.h"

#include <algorithm>

#include "CSV.h"
#include "GDebug.h"
#include "GRandom.h"
#include "GTranslation.h"
#include "GUI_Message.h"
#include "GUI_Sounds.h"
#include "SIM_Date.h"
#include "SIM_NamedValue.h"
#include "SIM_SIM.h"
#include "SIM_ScheduledEvents.h"
#include "SIM_Vede.h"

float SIM_TimeChunkType::UnlockPoints = 0.0f;

namespace {
constexpr size_t kMaxNameLength = 63;
}

// ---- TypeModifier ---------------------------------------------------------------------------

bool SIM_TimeChunkType::TypeModifier::Met() const {
  float v = SIM_GetVede()->GetValue(name);
  return lessThan ? v < threshold : v >= threshold;
}

bool SIM_TimeChunkType::TypeModifier::MetForNPC(SIM_NPC*) const { return true; }

void SIM_TimeChunkType::TypeModifier::CalculateGUIName() {
  guiName = GTranslation::GetString(("nv_" + name).c_str());
}

// ---- SIM_TimeChunkType ----------------------------------------------------------------------

SIM_TimeChunkType::SIM_TimeChunkType() = default;

SIM_TimeChunkType::~SIM_TimeChunkType() {
  for (TypeModifier* term : m_prerequisites) delete term;
  for (TypeModifier* term : m_qualityTerms) delete term;
}

bool SIM_TimeChunkType::IsAvailable() {
  if (m_locked) return false;
  if (IsScheduledForToday()) return true;
  return RightDayOfWeek() && RightTimeOfYear() && MeetsPrerequisites() && RightTimeOfDay();
}

bool SIM_TimeChunkType::IsScheduledForToday() {
  if (!SIM_GetScheduledEvents()->ScheduledForToday(m_name)) return false;
  if (!SIM_Date::PPresentDay || !SIM_Date::PPresentDay->IsWeekend()) return true;
  // On a two-slot weekend day a scheduled type counts only once the first slot is used.
  return SIM_GetSim()->GetActivitiesRemaining() != 2;
}

bool SIM_TimeChunkType::RightDayOfWeek() {
  if (!SIM_Date::PPresentDay) return false;
  return GetDayAvailable(SIM_Date::PPresentDay->GetDayOfWeek());
}

bool SIM_TimeChunkType::RightTimeOfYear() {
  if (m_startMonth == -1 || m_endMonth == -1) return true;
  int month = SIM_Date::PPresentDay ? SIM_Date::PPresentDay->GetMonth() : 0;
  return m_startMonth <= month && month <= m_endMonth;
}

bool SIM_TimeChunkType::RightTimeOfDay() {
  if (m_name == "bowlingmatch") return SIM_GetSim()->IsEvening();
  return true;
}

bool SIM_TimeChunkType::MeetsPrerequisites() {
  for (TypeModifier* term : m_prerequisites) {
    if (!term->Met()) return false;
  }
  return true;
}

bool SIM_TimeChunkType::MeetsNPCPrerequisites(SIM_NPC* npc) {
  for (TypeModifier* term : m_prerequisites) {
    if (!term->MetForNPC(npc)) return false;
  }
  return true;
}

// Lists the type, greyed, when only a lack of energy keeps it back on one of its days (whether it
// is scheduled today or not), so the player learns that resting would open it.
bool SIM_TimeChunkType::RestrictedOnlyByEnergy() {
  if (m_locked || !RightDayOfWeek() || !RightTimeOfYear() || !RightTimeOfDay()) return false;
  if (m_prerequisites.empty()) return false;
  bool below = false;
  float energy = SIM_GetVede()->GetValue("_energy");
  for (TypeModifier* term : m_prerequisites) {
    if (term->name != "_energy") return false;
    if (energy < term->threshold) below = true;
  }
  return below;
}

float SIM_TimeChunkType::GetEventQuality() {
  float total = 0.0f;
  SIM_Vede* vede = SIM_GetVede();
  for (TypeModifier* term : m_qualityTerms) {
    SIM_NamedValue* value = vede->GetNamedValue(term->name, false);
    if (!value) value = SIM_NamedValueList::Globals.GetNamedValue(term->name);
    if (value) {
      total += value->GetValue() * term->threshold;
    } else if (term->name == "_random") {
      total += std::clamp(term->threshold * GRandom::RandUnitFloat(), 0.0f, 1.0f);
    }
  }
  return std::clamp(total, 0.0f, 1.0f);
}

float SIM_TimeChunkType::GetPreReq(const char* name) {
  if (!name) return 0.0f;
  for (TypeModifier* term : m_prerequisites) {
    if (term->name == name) return term->threshold;
  }
  return 0.0f;
}

void SIM_TimeChunkType::AddPreRequisite(const char* text, bool flag, bool lessThan) {
  if (!text || std::string(text).size() <= 2) return;
  CSV csv;
  csv.Initialise(text, ',', CSV::FieldOrigin(m_origin, text).c_str());
  std::string name = csv.GetNextString();
  if (name.size() > kMaxNameLength) name.resize(kMaxNameLength);
  std::string value = csv.Finished() ? std::string() : csv.GetNextString();
  size_t start = value.find_first_not_of(" \t");
  value = start == std::string::npos ? std::string() : value.substr(start);
  if (!value.empty() && value[0] == '<') {
    lessThan = true;
    value.erase(0, 1);
  }
  float threshold = CSV::ParseFloat(value.c_str());
  if (name.size() < 2) return;
  auto* term = new TypeModifier(name, threshold, flag, lessThan);
  term->CalculateGUIName();
  m_prerequisites.push_back(term);
}

void SIM_TimeChunkType::ParseQuality(const char* text) {
  if (!text || std::string(text).size() < 2) return;
  CSV csv;
  csv.Initialise(text, ',', CSV::FieldOrigin(m_origin, text).c_str());
  while (!csv.Finished()) {
    std::string name = csv.GetNextString();
    if (name.size() > kMaxNameLength) name.resize(kMaxNameLength);
    float weight = csv.Finished() ? 0.0f : csv.GetNextFloat();
    if (name.size() < 2) {
      GWarnOnce("quality:" + m_origin + ":" + text,
                GFormat("%sQuality term without a name in \"%s\" (%s)", OriginPrefix().c_str(), text, m_name.c_str())
                    .c_str(),
                __FILE__, __LINE__);
      continue;
    }
    m_qualityTerms.push_back(new TypeModifier(name, weight, false, false));
  }
}

void SIM_TimeChunkType::Unlock() {
  if (!m_locked) return;
  std::string text = GTranslation::GetString("UNLOCKED_ACTIVITY");
  GTranslation::ReplaceToken(text, "<ACTIVITY>", m_guiName.c_str());
  GUI_Message::Create(text, GTranslation::GetString("UNLOCKED_ACTIVITY_TITLE"));
  m_locked = false;
  GUI_GetSounds()->PlaySound(GUI_Sounds::SOUND_FLOURISH);
}

void SIM_TimeChunkType::ForceDayAvailable(int day) {
  if (day >= 0 && day < 7) m_dayFlags[day] = true;
}

bool SIM_TimeChunkType::GetDayAvailable(int day) const {
  if (day < 0 || day >= 7) return false;
  return m_dayFlags[day];
}
