#pragma once
// One magazine issue delivered to the player. Stand-in until the work and daily-life subsystem
// arrives: every call is logged once and recorded (SIM_StandInLog).
class SIM_MagazineAsset {
 public:
  static void ProcessMagazines();
};
