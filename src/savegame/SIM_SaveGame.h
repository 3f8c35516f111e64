#pragma once
// Writing a game to its save file. Stand-in until the savegame arrives: a save is logged once and
// recorded (SIM_StandInLog), its name kept, and nothing is written.
#include <string>

class SIM_SaveGame {
 public:
  void SaveGame(const char* name);
  const std::string& GetLastName() const { return m_lastName; }
  int GetSaveCount() const { return m_saves; }

 private:
  std::string m_lastName;
  int m_saves = 0;
};

SIM_SaveGame* SIM_GetSaveGame();
