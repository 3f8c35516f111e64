#include "SIM_CommuteMethod.h"

#include "GDebug.h"

namespace {
std::string& Current() {
  static std::string name = "walk";
  return name;
}
}  // namespace

void SIM_CommuteMethod::Open() { GStandIn("SIM_CommuteMethod::Open (commute table not built yet)"); }

void SIM_CommuteMethod::Close() {}

void SIM_CommuteMethod::CheckValidMethod() {
  GStandIn("SIM_CommuteMethod::CheckValidMethod (commute table not built yet)");
}

void SIM_CommuteMethod::SetMethodByName(const std::string& name) {
  GStandIn("SIM_CommuteMethod::SetMethodByName (commute table not built yet)");
  Current() = name;
}

const std::string& SIM_CommuteMethod::GetCurrentName() { return Current(); }
