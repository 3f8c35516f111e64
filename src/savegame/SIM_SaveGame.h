#pragma once
// Writing a game to its save file, and the game's counter of save identities. Stand-in until the
// savegame arrives: a save is logged once and recorded (SIM_StandInLog), its name kept, and
// nothing is written.
#include <string>

class SIM_SaveGame {
 public:
  void SaveGame(const char* name);
  const std::string& GetLastName() const { return m_lastName; }
  int GetSaveCount() const { return m_saves; }

  // The next save identity of a person: the counter's value, then the counter moves on.
  int CreateSLID() { return m_slidCounter++; }
  int GetSLIDCounter() const { return m_slidCounter; }
  void SetSLIDCounter(int value) { m_slidCounter = value; }

 private:
  std::string m_lastName;
  int m_saves = 0;
  int m_slidCounter = 0;
};

SIM_SaveGame* SIM_GetSaveGame();
