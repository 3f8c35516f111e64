#pragma once
// The appointments shown on the calendar panel, and for each of the coming seven day-steps the
// entries due that day.
#include <list>
#include <memory>
#include <string>

#include "SIM_Date.h"

class SIM_Calendar {
 public:
  struct CalendarEntry {
    SIM_Date date;
    std::string text;  // what the calendar panel shows
  };
  static constexpr int DAYS_SHOWN = 7;

  SIM_Calendar() = default;
  ~SIM_Calendar();
  SIM_Calendar(const SIM_Calendar&) = delete;
  SIM_Calendar& operator=(const SIM_Calendar&) = delete;

  void Initialise() { ClearEntries(); }
  void ClearEntries();  // destroys every entry and empties all lists

  // Adds the entry unless one with the same text and date exists; then refreshes and launches the
  // "calendar_entry" hint.
  void AddEntry(const SIM_Date& date, const std::string& text);
  // Takes the first entry with that text and date out of the entry list (no refresh).
  void RemoveEntry(const SIM_Date& date, const std::string& text);
  // Takes every entry with that text out, then refreshes.
  void RemoveByName(const std::string& text);
  bool RemoveOneByName(const std::string& text);

  void PruneOldEntries();
  bool PruneAnEntry();
  void RebuildDailyLists();
  void Refresh();
  void NextDay() { Refresh(); }

  // Entries due k day-steps after today (k = 0 today).
  const std::list<CalendarEntry*>& GetDailyList(int k) const;
  const SIM_Date& GetDailyDate(int k) const;
  const std::list<CalendarEntry*>& GetEntries() const { return m_entries; }

 private:
  // Entries taken out of the entry list wait here until the daily lists are rebuilt, so that a
  // daily list never points at a destroyed entry.
  void Retire(CalendarEntry* entry);
  void FreeRetired();

  std::list<CalendarEntry*> m_dailyLists[DAYS_SHOWN];
  std::list<CalendarEntry*> m_entries;
  SIM_Date m_dailyDates[DAYS_SHOWN];
  std::list<CalendarEntry*> m_retired;
};

SIM_Calendar* SIM_GetCalendar();
