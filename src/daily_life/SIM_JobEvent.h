#pragma once
// The events of the working day. Stand-in until the work and daily-life subsystem arrives: every
// call is logged once and recorded (SIM_StandInLog).
#include <string>

class SIM_JobEvent {
 public:
  static void Open();
  std::string GetTitle() const { return m_title; }
  std::string GetDescription() const { return m_description; }
  bool IsSpecial() const { return m_special; }

 private:
  std::string m_title;
  std::string m_description;
  bool m_special = false;
};
