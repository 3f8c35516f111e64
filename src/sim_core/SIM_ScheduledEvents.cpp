#include "SIM_ScheduledEvents.h"

#include <memory>
#include <vector>

#include "CSV.h"
#include "CSpreadsheet.h"
#include "ExitCleanup.h"
#include "GDebug.h"
#include "GUI_PhoneMessage.h"
#include "GUI_EventTicket.h"
#include "GUI_Postit.h"
#include "SIM_Calendar.h"
#include "SIM_GlobalVariable.h"
#include "SIM_SIM.h"
#include "SIM_Vede.h"

SIM_ScheduledEvents* SIM_GetScheduledEvents() {
  static SIM_ScheduledEvents events;
  return &events;
}

SIM_ScheduledEvents::~SIM_ScheduledEvents() { Clear(); }

void SIM_ScheduledEvents::ScheduleEvent(const std::string& key, const SIM_Date& date, const std::string& text) {
  for (SIM_ScheduleData* data : m_events) {
    if (data->key == key && data->date.IsSameDay(date)) {
      GWarning("duplicate eevnt scheduling attempt", __FILE__, __LINE__);
      return;
    }
  }
  m_events.push_back(new SIM_ScheduleData{text, key, date});
  SIM_GetCalendar()->AddEntry(date, text);
}

bool SIM_ScheduledEvents::ScheduledForToday(const std::string& key) const {
  for (const SIM_ScheduleData* data : m_events) {
    if (data->key == key && data->date.IsPresentDay()) return true;
  }
  return false;
}

void SIM_ScheduledEvents::Remove(SIM_ScheduleData* data) {
  m_events.remove(data);
  SIM_GetCalendar()->RemoveEntry(data->date, data->text);
  delete data;
}

void SIM_ScheduledEvents::ClearEvents(const std::string& key) {
  std::vector<SIM_ScheduleData*> found;
  for (SIM_ScheduleData* data : m_events) {
    if (data->key == key) found.push_back(data);
  }
  for (SIM_ScheduleData* data : found) Remove(data);
}

void SIM_ScheduledEvents::PurgeOld() {
  std::vector<SIM_ScheduleData*> found;
  for (SIM_ScheduleData* data : m_events) {
    if (data->date.IsInPast()) found.push_back(data);
  }
  for (SIM_ScheduleData* data : found) Remove(data);
}

void SIM_ScheduledEvents::GenerateReminders() {
  for (SIM_ScheduleData* data : m_events) {
    if (!data->date.IsPresentDay()) continue;
    if (GUI_Postit* note = GUI_Postit::Create(data->text, GUI_Postit::TYPE_SCHEDULEDEVENT)) {
      note->SetContextString(data->key);
    }
  }
}

void SIM_ScheduledEvents::NextDay() {
  PurgeOld();
  GenerateReminders();
}

void SIM_ScheduledEvents::Clear() {
  for (SIM_ScheduleData* data : m_events) delete data;
  m_events.clear();
}

std::list<SIM_SpecialEvent*> SIM_SpecialEvent::All;
int SIM_SpecialEvent::TriggerDelay = 0;

namespace {
constexpr size_t kMaxListField = 127;

std::string NextListField(CSV& csv) {
  std::string field = csv.GetNextString();
  if (field.size() > kMaxListField) field.resize(kMaxListField);
  return field;
}
}  // namespace

SIM_SpecialEvent::SIM_SpecialEvent() { All.push_back(this); }

SIM_SpecialEvent::~SIM_SpecialEvent() { All.remove(this); }

void SIM_SpecialEvent::Open(const char* file) {
  RegisterExitCleanup(Close);
  Close();
  TriggerDelay = 0;
  std::unique_ptr<CSpreadsheet> sheet(CSpreadsheet::Create(file));
  if (!sheet) return;
  for (size_t row = 0; row < sheet->size(); ++row) {
    auto* event = new SIM_SpecialEvent();
    event->Load((*sheet)[row], sheet->Origin(row));
  }
}

void SIM_SpecialEvent::Close() {
  while (!All.empty()) delete All.front();
}

void SIM_SpecialEvent::Load(const std::string& row, const std::string& origin) {
  CSV csv;
  csv.Initialise(row, ',', origin);
  csv.GetNextToken();  // the row marker
  SetName(csv.GetNextString());
  SetGUIName(csv.GetNextString());
  m_inviteText = csv.GetNextString();
  m_postMortemText = csv.GetNextString();
  SetSource(GetName());
  SetOrigin(origin);

  // Prerequisites, then influences, each list ended by a field that begins with "#". A row that
  // lacks the markers ends its lists at the end of the row.
  bool markersMissing = false;
  bool ended = false;
  while (!ended && !csv.Finished()) {
    std::string field = NextListField(csv);
    if (!field.empty() && field[0] == '#') {
      ended = true;
    } else {
      AddPreRequisite(field.c_str(), false, false);
    }
  }
  if (!ended) markersMissing = true;

  ended = false;
  while (!ended && !csv.Finished()) {
    std::string field = NextListField(csv);
    if (!field.empty() && field[0] == '#') {
      ended = true;
    } else if (field.size() >= 2) {
      AddInfluence(field.c_str());
    }
  }
  if (!ended) markersMissing = true;

  while (!csv.Finished()) {
    std::string field = NextListField(csv);
    AddModifier(field.c_str());
  }

  if (markersMissing) {
    GWarnOnce("events:" + origin,
              GFormat("%s: special event \"%s\" lacks a \"#\" field ending its prerequisites or influences",
                      origin.c_str(), GetName().c_str())
                  .c_str(),
              __FILE__, __LINE__);
  }
}

void SIM_SpecialEvent::AddInfluence(const char* text) {
  if (!text) return;
  CSV csv;
  csv.Initialise(text, ',', CSV::FieldOrigin(m_origin, text).c_str());
  Influence influence;
  influence.valueName = csv.GetNextString();
  influence.weight = csv.Finished() ? 0.0f : csv.GetNextFloat();
  m_influences.push_back(influence);
}

SIM_SpecialEvent* SIM_SpecialEvent::GetEvent(const char* name) {
  if (name) {
    for (SIM_SpecialEvent* event : All) {
      if (event->GetName() == name) return event;
    }
  }
  GErrorOnce(std::string("special event:") + (name ? name : ""), "Special event not found", __FILE__, __LINE__);
  return nullptr;
}

float SIM_SpecialEvent::GetScore() {
  if (m_triggered || !MeetsPrerequisites()) return 0.0f;
  float score = 0.0f;
  for (const Influence& influence : m_influences) {
    score += influence.weight * SIM_GetVede()->GetValue(influence.valueName);
  }
  return score;
}

void SIM_SpecialEvent::CheckTriggerAll() {
  if (TriggerDelay >= 1) {
    --TriggerDelay;
    return;
  }
  SIM_SpecialEvent* best = nullptr;
  float bestScore = 0.0f;
  for (SIM_SpecialEvent* event : All) {
    float score = event->GetScore();
    if (score > bestScore) {
      bestScore = score;
      best = event;
    }
  }
  if (best && bestScore >= SIM_GetGlobalVariables()->Get("SPECIAL_EVENT_TRIGGER")) best->Trigger();
}

void SIM_SpecialEvent::Trigger() {
  m_triggered = true;
  GUI_PhoneMessage::CreateSpecialEvent(this);
  TriggerDelay = 7;
}

void SIM_SpecialEvent::AttendEvent() {
  SIM_GetSim()->EndDay();
  ApplyModifiers(1.0f);
  GUI_SpecialEventPostMortem::Create(this);
}
