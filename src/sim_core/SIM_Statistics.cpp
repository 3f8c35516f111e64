#include "SIM_Statistics.h"

SIM_Statistics* SIM_GetStatistics() {
  static SIM_Statistics statistics;
  return &statistics;
}

void SIM_Statistics::StartTimer() {
  if (m_timer.IsPaused() && m_timer.GetElapsed() > 0.0) {
    m_timer.UnPauseTimer();
  } else {
    m_timer.StartTimer();
  }
}

void SIM_Statistics::StopTimer() {
  m_timer.Update();
  m_timer.PauseTimer();
}

SIM_Statistics::IntCounter* SIM_Statistics::FindInt(const std::string& name) {
  for (IntCounter& c : m_ints) {
    if (c.name == name) return &c;
  }
  return nullptr;
}

SIM_Statistics::FloatCounter* SIM_Statistics::FindFloat(const std::string& name) {
  for (FloatCounter& c : m_floats) {
    if (c.name == name) return &c;
  }
  return nullptr;
}

void SIM_Statistics::ChangeCounter(int amount, const std::string& name) {
  if (IntCounter* c = FindInt(name)) {
    c->value += amount;
  } else {
    m_ints.push_back({name, amount});
  }
}

void SIM_Statistics::ChangeCounter(float amount, const std::string& name) {
  if (FloatCounter* c = FindFloat(name)) {
    c->value += amount;
  } else {
    m_floats.push_back({name, amount});
  }
}

void SIM_Statistics::SetCounter(const char* name, int value) {
  if (!name) return;
  if (IntCounter* c = FindInt(name)) {
    c->value = value;
  } else {
    m_ints.push_back({name, value});
  }
}

void SIM_Statistics::SetCounter(const char* name, float value) {
  if (!name) return;
  if (FloatCounter* c = FindFloat(name)) {
    c->value = value;
  } else {
    m_floats.push_back({name, value});
  }
}

void SIM_Statistics::CheckHighest(float value, const std::string& name) {
  if (FloatCounter* c = FindFloat(name)) {
    if (value > c->value) c->value = value;
  } else {
    m_floats.push_back({name, value});
  }
}

int SIM_Statistics::GetIntCounter(const std::string& name) const {
  for (const IntCounter& c : m_ints) {
    if (c.name == name) return c.value;
  }
  return 0;
}

float SIM_Statistics::GetFloatCounter(const std::string& name) const {
  for (const FloatCounter& c : m_floats) {
    if (c.name == name) return c.value;
  }
  return 0.0f;
}

void SIM_Statistics::IncrementActivity(const std::string& name, const std::string& displayName) {
  for (ChosenActivity& a : m_activities) {
    if (a.name == name) {
      ++a.count;
      return;
    }
  }
  m_activities.push_back({name, displayName, 1});
}

void SIM_Statistics::SetActivityCount(const std::string& name, const std::string& displayName, int count) {
  m_activities.push_back({name, displayName, count});
}

int SIM_Statistics::GetActivityCount(const std::string& name) const {
  for (const ChosenActivity& a : m_activities) {
    if (a.name == name) return a.count;
  }
  return 0;
}

std::string SIM_Statistics::GetFavoriteActivity() const {
  const ChosenActivity* best = nullptr;
  for (const ChosenActivity& a : m_activities) {
    if (!best || a.count > best->count) best = &a;
  }
  return best ? best->displayName : std::string();
}

void SIM_Statistics::Reset() {
  m_ints.clear();
  m_floats.clear();
  m_activities.clear();
}
