#pragma once
// The day's event keys that the simulation leaves for the diary pages ("USED_UMBRELLA",
// "EVENT_BURGLED" and the like), and the flag that there is news for the after-work page. The
// pages turn the keys into text and clear the ones they have told. Nothing here is saved: a new or
// loaded game starts with an empty list.
#include <string>
#include <vector>

class GUI_EventList {
 public:
  void AddEvent(const std::string& key) { m_events.push_back(key); }  // the same key may stand twice
  bool HasEvent(const std::string& key) const;
  // Removes the first occurrence only; nothing when the key is absent.
  void ClearEvent(const std::string& key);
  // Empties the list and clears the after-work flag.
  void Clear() {
    m_events.clear();
    m_afterWork = false;
  }
  bool HasAfterWorkEvent() const { return m_afterWork; }
  void SetAfterWorkEvent(bool on) { m_afterWork = on; }
  const std::vector<std::string>& GetEvents() const { return m_events; }

 private:
  std::vector<std::string> m_events;
  bool m_afterWork = false;
};

GUI_EventList* GUI_GetEventList();
