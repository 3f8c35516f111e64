#include "SIM_SmallTalk.h"

#include "GDebug.h"
#include "SIM_StandInLog.h"

SIM_SmallTalk* SIM_GetSmallTalk() {
  static SIM_SmallTalk smallTalk;
  return &smallTalk;
}

void SIM_SmallTalk::AddTempEvent(const std::string& topic, int days) {
  GStandIn("SIM_SmallTalk::AddTempEvent");
  m_tempEvents.push_back({topic, 0, days});
}

void SIM_SmallTalk::NextDay() { SIM_StandInLog::Called("SIM_SmallTalk::NextDay"); }
