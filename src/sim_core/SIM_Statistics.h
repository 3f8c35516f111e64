#pragma once
// The numbers the yearly review and the end of the game show: named int and float counters that
// any subsystem bumps, running maxima, how often each activity was chosen, and the real time
// played. Nothing in the simulation reads them back.
#include <list>
#include <string>
#include <vector>

#include "GTimer.h"

class SIM_Statistics {
 public:
  struct IntCounter {
    std::string name;
    int value = 0;
  };
  struct FloatCounter {
    std::string name;
    float value = 0.0f;
  };
  struct ChosenActivity {
    std::string name;
    std::string displayName;
    int count = 0;
  };

  SIM_Statistics() = default;

  void StartTimer();  // resumes a paused timer, else starts it from 0
  void StopTimer();   // updates and pauses it
  GTimer& GetTimer() { return m_timer; }

  void ChangeCounter(int amount, const std::string& name);
  void ChangeCounter(float amount, const std::string& name);
  void SetCounter(const char* name, int value);
  void SetCounter(const char* name, float value);
  void CheckHighest(float value, const std::string& name);
  int GetIntCounter(const std::string& name) const;      // 0 when missing
  float GetFloatCounter(const std::string& name) const;  // 0 when missing

  void IncrementActivity(const std::string& name, const std::string& displayName);
  void SetActivityCount(const std::string& name, const std::string& displayName, int count);
  int GetActivityCount(const std::string& name) const;
  std::string GetFavoriteActivity() const;  // "" when nothing was chosen

  const std::list<IntCounter>& GetIntCounters() const { return m_ints; }
  const std::list<FloatCounter>& GetFloatCounters() const { return m_floats; }
  const std::vector<ChosenActivity>& GetActivities() const { return m_activities; }

  void Reset();  // counters and activities; the timer is left alone

 private:
  IntCounter* FindInt(const std::string& name);
  FloatCounter* FindFloat(const std::string& name);

  GTimer m_timer;
  std::list<IntCounter> m_ints;
  std::list<FloatCounter> m_floats;
  std::vector<ChosenActivity> m_activities;
};

SIM_Statistics* SIM_GetStatistics();
