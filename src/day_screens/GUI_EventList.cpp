#include "GUI_EventList.h"

#include <algorithm>

GUI_EventList* GUI_GetEventList() {
  static GUI_EventList list;
  return &list;
}

bool GUI_EventList::HasEvent(const std::string& key) const {
  return std::find(m_events.begin(), m_events.end(), key) != m_events.end();
}

void GUI_EventList::ClearEvent(const std::string& key) {
  auto it = std::find(m_events.begin(), m_events.end(), key);
  if (it != m_events.end()) m_events.erase(it);
}
