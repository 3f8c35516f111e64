#include "SIM_ScheduledEvents.h"

#include <vector>

#include "GDebug.h"
#include "GUI_Postit.h"
#include "SIM_Calendar.h"

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
