#include "SIM_Calendar.h"

#include "GUI_Calendar.h"
#include "GUI_HintHelp.h"

SIM_Calendar* SIM_GetCalendar() {
  static SIM_Calendar calendar;
  return &calendar;
}

SIM_Calendar::~SIM_Calendar() { ClearEntries(); }

void SIM_Calendar::ClearEntries() {
  for (auto& list : m_dailyLists) list.clear();
  for (CalendarEntry* entry : m_entries) delete entry;
  m_entries.clear();
  FreeRetired();
}

void SIM_Calendar::Retire(CalendarEntry* entry) { m_retired.push_back(entry); }

void SIM_Calendar::FreeRetired() {
  for (CalendarEntry* entry : m_retired) delete entry;
  m_retired.clear();
}

void SIM_Calendar::AddEntry(const SIM_Date& date, const std::string& text) {
  for (CalendarEntry* entry : m_entries) {
    if (entry->text == text && entry->date.IsSameDay(date)) return;
  }
  m_entries.push_back(new CalendarEntry{date, text});
  Refresh();
  GUI_HintHelp::Launch("calendar_entry");
}

void SIM_Calendar::RemoveEntry(const SIM_Date& date, const std::string& text) {
  for (auto it = m_entries.begin(); it != m_entries.end(); ++it) {
    if ((*it)->text == text && (*it)->date.IsSameDay(date)) {
      Retire(*it);
      m_entries.erase(it);
      return;
    }
  }
}

bool SIM_Calendar::RemoveOneByName(const std::string& text) {
  for (auto it = m_entries.begin(); it != m_entries.end(); ++it) {
    if ((*it)->text == text) {
      Retire(*it);
      m_entries.erase(it);
      return true;
    }
  }
  return false;
}

void SIM_Calendar::RemoveByName(const std::string& text) {
  while (RemoveOneByName(text)) {
  }
  Refresh();
}

bool SIM_Calendar::PruneAnEntry() {
  for (auto it = m_entries.begin(); it != m_entries.end(); ++it) {
    if ((*it)->date.IsInPast()) {
      Retire(*it);
      m_entries.erase(it);
      return true;
    }
  }
  return false;
}

void SIM_Calendar::PruneOldEntries() {
  while (PruneAnEntry()) {
  }
}

void SIM_Calendar::RebuildDailyLists() {
  for (auto& list : m_dailyLists) list.clear();
  // Nothing points at a retired entry any more.
  FreeRetired();
  for (int k = 0; k < DAYS_SHOWN; ++k) {
    m_dailyDates[k] = SIM_Date();
    if (SIM_Date::PPresentDay) m_dailyDates[k].Set(SIM_Date::PPresentDay);
    m_dailyDates[k].IncrementDays(k);
  }
  for (CalendarEntry* entry : m_entries) {
    for (int k = 0; k < DAYS_SHOWN; ++k) {
      if (entry->date.IsSameDay(m_dailyDates[k])) m_dailyLists[k].push_back(entry);
    }
  }
}

void SIM_Calendar::Refresh() {
  PruneOldEntries();
  RebuildDailyLists();
  GUI_GetCalendar()->Refresh();
}

const std::list<SIM_Calendar::CalendarEntry*>& SIM_Calendar::GetDailyList(int k) const {
  static const std::list<CalendarEntry*> none;
  if (k < 0 || k >= DAYS_SHOWN) return none;
  return m_dailyLists[k];
}

const SIM_Date& SIM_Calendar::GetDailyDate(int k) const {
  if (k < 0 || k >= DAYS_SHOWN) return m_dailyDates[0];
  return m_dailyDates[k];
}
