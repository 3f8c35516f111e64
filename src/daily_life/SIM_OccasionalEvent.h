#pragma once
// Something that recurs every so often whatever the player does (the charity run, the dentist):
// each keeps its own random schedule, phones a reminder a week ahead, puts the day on the calendar
// and, when the player attends on the day, runs its own outcome.
#include <string>

#include "SIM_Date.h"

class SIM_OccasionalEvent {
 public:
  SIM_OccasionalEvent(int minimumDays, int maximumDays, const char* eventName, const char* reminderKey);
  virtual ~SIM_OccasionalEvent() = default;

  // Nightly, after the date has moved on: the reminder when its day has come, then a new booking
  // once the event's day has passed.
  virtual void NextDay();
  // The reminder a random minimum..maximum-1 days from today, the event a week after it.
  virtual void ScheduleNewEvent();
  virtual void TriggerMessage() {}

  // A new game or a load: the dates of the game left behind do not carry over. The first night
  // after marks its day as the event day, so the booking is made on the night after that.
  void Reset();
  // Between a reset and its first night: no dates of its own yet.
  bool IsAwaitingFirstNight() const { return m_awaitingFirstNight; }
  // A load that kept the dates: they come back, and the calendar learns of them again.
  void Restore(const SIM_Date& eventDate, const SIM_Date& reminderDate);

  const std::string& GetEventName() const { return m_eventName; }
  const std::string& GetReminderKey() const { return m_reminderKey; }
  const SIM_Date& GetEventDate() const { return m_eventDate; }
  const SIM_Date& GetReminderDate() const { return m_reminderDate; }

 protected:
  // The day turn's tests watch for each kind's nightly step by its own name.
  virtual const char* NightlyMark() const = 0;

 private:
  void PutOnCalendar() const;

  int m_minimumDays;
  int m_maximumDays;  // exclusive
  std::string m_eventName;
  std::string m_reminderKey;
  SIM_Date m_eventDate;
  SIM_Date m_reminderDate;
  bool m_awaitingFirstNight = true;
};
