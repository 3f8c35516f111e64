#pragma once
// The player's pets. Stand-in until the activities subsystem arrives: every call is logged once and
// recorded (SIM_StandInLog).
#include <string>

class SIM_Asset;

class SIM_PetBase {
 public:
  // The asset factory's pets: until the pets arrive, a plain asset of the row.
  static SIM_Asset* Create(const std::string& classKey);
  static void Open();
  static void ClearReminders();
  // Stand-ins for the diary pages, logged once: the player has no pet yet, so none is found.
  static SIM_PetBase* GetByName(const std::string& assetName);
  std::string GetPetName() const { return m_petName; }
  void PlaySound();

 private:
  std::string m_petName;
};
