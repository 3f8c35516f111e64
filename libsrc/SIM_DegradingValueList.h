#pragma once
#include <list>

struct SIM_DegradingValue {
  float value;
  float factor;
};

class SIM_DegradingValueList {
 public:
  virtual ~SIM_DegradingValueList();
  void AddValue(float value, float factor);
  void Process();
  bool PruneInsignificant();
  float GetAverage() const { return m_average; }
  size_t Count() const { return m_values.size(); }

 private:
  float m_average = 0.0f;
  float m_threshold = 0.01f;
  std::list<SIM_DegradingValue*> m_values;
};
