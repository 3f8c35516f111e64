#pragma once
// The answers to the player's job applications. Stand-in until the work and daily-life subsystem
// arrives: every call is logged once and recorded (SIM_StandInLog).
class SIM_JobOffer {
 public:
  static void ProcessAll();
};
