#include "SIM_SmallTalk.h"

#include "SIM_StandInLog.h"

SIM_SmallTalk* SIM_GetSmallTalk() {
  static SIM_SmallTalk smallTalk;
  return &smallTalk;
}

void SIM_SmallTalk::AddTempEvent(const std::string& topic, int days) {
  STAND_IN();
  m_tempEvents.push_back({topic, 0, days});
}

void SIM_SmallTalk::NextDay() { STAND_IN(); }
