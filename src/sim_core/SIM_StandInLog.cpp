#include "SIM_StandInLog.h"

#include <algorithm>

#include "GDebug.h"

bool SIM_StandInLog::Recording = false;
std::vector<std::string> SIM_StandInLog::Calls;
SIM_StandInLog::Observer SIM_StandInLog::TheObserver = nullptr;

void SIM_StandInLog::Called(const char* name) {
  GStandIn(name);
  Record(name);
}

void SIM_StandInLog::Record(const char* name) {
  if (!Recording) return;
  Calls.push_back(name ? name : "");
  if (TheObserver) TheObserver(Calls.back());
}

int SIM_StandInLog::Count(const std::string& name) {
  return (int)std::count(Calls.begin(), Calls.end(), name);
}
