#pragma once
// Dated appointments (a bowling match, a support-group meeting, a dentist visit): each shows on the
// calendar, becomes a reminder note on its day and lets its activity type know it is due today.
#include <list>
#include <string>

#include "SIM_Date.h"

class SIM_ScheduledEvents {
 public:
  struct SIM_ScheduleData {
    std::string text;  // shown on the calendar and the note
    std::string key;   // the activity's name
    SIM_Date date;
  };

  SIM_ScheduledEvents() = default;
  virtual ~SIM_ScheduledEvents();
  SIM_ScheduledEvents(const SIM_ScheduledEvents&) = delete;
  SIM_ScheduledEvents& operator=(const SIM_ScheduledEvents&) = delete;

  void ScheduleEvent(const std::string& key, const SIM_Date& date, const std::string& text);
  bool ScheduledForToday(const std::string& key) const;
  void ClearEvents(const std::string& key);
  void PurgeOld();
  void GenerateReminders();
  void NextDay();
  void Clear();  // the calendar is emptied separately

  const std::list<SIM_ScheduleData*>& GetEvents() const { return m_events; }

 private:
  void Remove(SIM_ScheduleData* data);

  std::list<SIM_ScheduleData*> m_events;
};

SIM_ScheduledEvents* SIM_GetScheduledEvents();
