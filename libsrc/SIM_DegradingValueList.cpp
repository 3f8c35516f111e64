#include "SIM_DegradingValueList.h"

#include <cmath>

SIM_DegradingValueList::~SIM_DegradingValueList() {
  for (SIM_DegradingValue* v : m_values) delete v;
}

void SIM_DegradingValueList::AddValue(float value, float factor) {
  m_values.push_back(new SIM_DegradingValue{value, factor});
}

bool SIM_DegradingValueList::PruneInsignificant() {
  for (auto it = m_values.begin(); it != m_values.end(); ++it) {
    if (std::fabs((*it)->value) < m_threshold) {
      delete *it;
      m_values.erase(it);
      return true;
    }
  }
  return false;
}

void SIM_DegradingValueList::Process() {
  if (m_values.empty()) return;
  for (SIM_DegradingValue* v : m_values) v->value *= v->factor;
  while (PruneInsignificant()) {
  }
  float sum = 0.0f;
  for (SIM_DegradingValue* v : m_values) sum += v->value;
  // Once every value has faded there is nothing left to average: the list weighs nothing.
  m_average = m_values.empty() ? 0.0f : sum / (float)m_values.size();
}
