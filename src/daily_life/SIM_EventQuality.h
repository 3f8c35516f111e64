#pragma once
// This week's standard of a venue whose quality changes from week to week (an event type whose
// quality column is "random_generator"): a band of width 0.1 from which every evening there draws
// afresh. A poor or a good week gets the town talking (a rumour about the type). The type owns its
// band; every band is also listed in SIM_EventQuality::All for the weekly step.
#include <list>

class SIM_SocialiseType;

class SIM_EventQuality {
 public:
  explicit SIM_EventQuality(SIM_SocialiseType* type);
  virtual ~SIM_EventQuality();

  float GetQuality() const;  // a fresh draw from the band
  void NextWeek();
  void GenerateRumours();
  // The weekly step (day 0): last week's venue rumours go, every band is drawn again.
  static void NextWeekAll();

  float GetLow() const { return m_low; }
  float GetHigh() const { return m_high; }
  SIM_SocialiseType* GetEventType() const { return m_type; }

  static std::list<SIM_EventQuality*> All;

 private:
  float m_low = 0.0f;
  float m_high = 0.0f;
  SIM_SocialiseType* m_type;
};
