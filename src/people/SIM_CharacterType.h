#pragma once
// The character types of the town's people ("data/simulation/charactertypes.csv"). Stand-in until
// the people subsystem arrives: every call is logged once and recorded (SIM_StandInLog).
class SIM_CharacterType {
 public:
  static void Open();
  static void Close();
};
