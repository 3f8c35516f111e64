#include "SIM_CommuteMethod.h"

#include "SIM_StandInLog.h"

namespace {
std::string& Current() {
  static std::string name = "walk";
  return name;
}
}  // namespace

void SIM_CommuteMethod::Open() { STAND_IN(); }

void SIM_CommuteMethod::Close() {}

void SIM_CommuteMethod::CheckValidMethod() {
  STAND_IN();
}

void SIM_CommuteMethod::SetMethodByName(const std::string& name) {
  STAND_IN();
  Current() = name;
}

const std::string& SIM_CommuteMethod::GetCurrentName() { return Current(); }
