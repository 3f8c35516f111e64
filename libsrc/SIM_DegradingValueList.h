#pragma once
// A list of values that each shrink by their own factor every Process, dropped once negligible
// (below 0.01 either way); GetAverage is the mean of those left (0 when none is left).
#include <cstddef>
#include <list>

struct SIM_DegradingValue {
  float value;
  float factor;
};

class SIM_DegradingValueList {
 public:
  SIM_DegradingValueList() = default;
  SIM_DegradingValueList(const SIM_DegradingValueList&) = delete;
  SIM_DegradingValueList& operator=(const SIM_DegradingValueList&) = delete;
  virtual ~SIM_DegradingValueList();
  void AddValue(float value, float factor);
  void Process();
  bool PruneInsignificant();  // deletes the first negligible value; false when there is none
  float GetAverage() const { return m_average; }
  size_t Count() const { return m_values.size(); }

 private:
  float m_average = 0.0f;
  float m_threshold = 0.01f;
  std::list<SIM_DegradingValue*> m_values;
};
