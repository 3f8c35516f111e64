#pragma once
// Ways to get to work. Stand-in until the work subsystem arrives: remembers the chosen name.
#include <string>

class SIM_CommuteMethod {
 public:
  static void Open();
  static void Close();
  static void CheckValidMethod();
  static void SetMethodByName(const std::string& name);
  static const std::string& GetCurrentName();
  std::string GetCurrentPlan() const { return ""; }  // stand-in: no method is ever made
};
