#pragma once
// The topics NPCs talk about. Stand-in until the people subsystem arrives: temporary events are
// kept (topic, days elapsed, duration) and nothing else happens.
#include <string>
#include <vector>

class SIM_SmallTalk {
 public:
  struct TempEvent {
    std::string topic;
    int elapsed = 0;
    int duration = 0;
  };

  void AddTempEvent(const std::string& topic, int days);
  void Clear() { m_tempEvents.clear(); }
  // The night's new topics; stand-in, logged once and recorded (SIM_StandInLog).
  void NextDay();
  const std::vector<TempEvent>& GetTempEvents() const { return m_tempEvents; }

 private:
  std::vector<TempEvent> m_tempEvents;
};

SIM_SmallTalk* SIM_GetSmallTalk();
