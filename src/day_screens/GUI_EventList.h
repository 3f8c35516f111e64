#pragma once
// The day's event keys that the simulation leaves for the diary screens, and the after-work flag.
// Stand-in until the day screens arrive: it keeps the keys and the flag and shows nothing.
#include <string>
#include <vector>

class GUI_EventList {
 public:
  void AddEvent(const std::string& key) { m_events.push_back(key); }  // duplicates allowed
  void Clear() { m_events.clear(); }
  bool HasEvent(const std::string& key) const {
    for (const std::string& event : m_events) {
      if (event == key) return true;
    }
    return false;
  }
  void ClearEvent(const std::string& key) {  // the first occurrence
    for (auto it = m_events.begin(); it != m_events.end(); ++it) {
      if (*it == key) {
        m_events.erase(it);
        return;
      }
    }
  }
  bool HasAfterWorkEvent() const { return m_afterWork; }
  void SetAfterWorkEvent(bool on) { m_afterWork = on; }
  const std::vector<std::string>& GetEvents() const { return m_events; }

 private:
  std::vector<std::string> m_events;
  bool m_afterWork = false;
};

GUI_EventList* GUI_GetEventList();
