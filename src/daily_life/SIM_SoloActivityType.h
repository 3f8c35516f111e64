#pragma once
// The kinds of evening the player spends alone. Stand-in until the work and daily-life subsystem
// arrives: every call is logged once and recorded (SIM_StandInLog); no type exists yet.
class SIM_SoloActivityType {
 public:
  static void Open();
  static void Close();
  static void CheckUnlocks();
  static SIM_SoloActivityType* GetByName(const char* name);  // null: no types yet

  bool IsAvailable();
  void ProcessChunk();  // the player spends the evening on it
  float GetCost() const;
};
