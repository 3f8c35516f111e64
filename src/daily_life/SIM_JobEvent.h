#pragma once
// The events of the working day. Stand-in until the work and daily-life subsystem arrives: every
// call is logged once and recorded (SIM_StandInLog).
class SIM_JobEvent {
 public:
  static void Open();
};
