#include "SIM_OccasionalEvent.h"

#include <cstdlib>

#include "GDebug.h"
#include "GTranslation.h"
#include "SIM_ScheduledEvents.h"
#include "SIM_StandInLog.h"

SIM_OccasionalEvent::SIM_OccasionalEvent(int minimumDays, int maximumDays, const char* eventName,
                                         const char* reminderKey)
    : m_minimumDays(minimumDays), m_maximumDays(maximumDays), m_eventName(eventName), m_reminderKey(reminderKey) {
  Reset();
}

void SIM_OccasionalEvent::Reset() {
  m_awaitingFirstNight = true;
  m_eventDate = SIM_Date();
  m_reminderDate = SIM_Date();  // no reminder is due until a booking is made
}

void SIM_OccasionalEvent::NextDay() {
  SIM_StandInLog::Record(NightlyMark());
  // The date a game starts on may still be moved after the reset (a tutorial, a test): the first
  // night is when the event's clock starts.
  if (m_awaitingFirstNight) {
    if (SIM_Date::PPresentDay) m_eventDate.Set(SIM_Date::PPresentDay);
    m_awaitingFirstNight = false;
  }
  if (m_reminderDate.IsPresentDay()) TriggerMessage();
  if (m_eventDate.IsInPast()) ScheduleNewEvent();
}

void SIM_OccasionalEvent::ScheduleNewEvent() {
  if (!SIM_Date::PPresentDay) return;
  const int span = m_maximumDays - m_minimumDays;
  const int days = m_minimumDays + (span > 0 ? std::rand() % span : 0);
  m_reminderDate.Set(SIM_Date::PPresentDay);
  m_reminderDate.IncrementDays(days);
  m_eventDate.Set(&m_reminderDate);
  m_eventDate.IncrementDays(7);
  PutOnCalendar();
}

void SIM_OccasionalEvent::Restore(const SIM_Date& eventDate, const SIM_Date& reminderDate) {
  m_awaitingFirstNight = false;
  m_eventDate.Set(&eventDate);
  m_reminderDate.Set(&reminderDate);
  // A day already gone is booked afresh by the next night, as it would have been.
  if (!m_eventDate.IsInPast()) PutOnCalendar();
}

void SIM_OccasionalEvent::PutOnCalendar() const {
  SIM_GetScheduledEvents()->ScheduleEvent(m_eventName, m_eventDate, GTranslation::GetString(m_reminderKey.c_str()));
  GetDebug()->DebugOut(("Booked: " + m_eventName + " on day " + std::to_string(m_eventDate.GetDay()) + " of month " +
                        std::to_string(m_eventDate.GetMonth()) + ", year " + std::to_string(m_eventDate.GetYear()))
                           .c_str());
}
