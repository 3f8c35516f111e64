#pragma once
// The calendar's events: dated appointments, and the one-off special events offered by phone.
#include <list>
#include <string>
#include <vector>

#include "SIM_Date.h"
#include "SIM_TimeChunkType.h"

// Dated appointments (a bowling match, a support-group meeting, a dentist visit): each shows on the
// calendar, becomes a reminder note on its day and lets its activity type know it is due today.
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

// One-off invitations from "data/simulation/events.csv". Each evening the event that best fits the
// player's state (weighted values) may be offered by phone; attending ends the evening, applies the
// event's effects and shows its report.


class SIM_SpecialEvent : public SIM_TimeChunkType {
 public:
  struct Influence {
    std::string valueName;
    float weight = 0.0f;
  };

  SIM_SpecialEvent();
  ~SIM_SpecialEvent() override;

  // Close, then one event per row of the table; a missing table leaves no events.
  static void Open(const char* file = "data/simulation/events.csv");
  static void Close();
  static SIM_SpecialEvent* GetEvent(const char* name);  // none: "Special event not found", null
  static void CheckTriggerAll();

  // Fills the event from one table row; `origin` names the file and line for reports.
  void Load(const std::string& row, const std::string& origin);
  float GetScore();
  void Trigger();
  void AttendEvent();
  std::string GetInviteText() const { return m_inviteText; }
  std::string GetPostMortem() const { return m_postMortemText; }
  void AddInfluence(const char* text);

  bool IsTriggered() const { return m_triggered; }
  void SetTriggered(bool triggered) { m_triggered = triggered; }
  const std::vector<Influence>& GetInfluences() const { return m_influences; }

  static std::list<SIM_SpecialEvent*> All;
  static int TriggerDelay;

 private:
  std::string m_inviteText;
  std::string m_postMortemText;
  bool m_triggered = false;
  std::vector<Influence> m_influences;
};
