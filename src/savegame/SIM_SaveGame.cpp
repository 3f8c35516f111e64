#include "SIM_SaveGame.h"

#include "SIM_StandInLog.h"

long SIM_SaveGame::FailAfterBytes = -1;

SIM_SaveGame* SIM_GetSaveGame() {
  static SIM_SaveGame instance;
  return &instance;
}

bool SIM_SaveGame::SaveGame(const char* name) {
  STAND_IN();
  m_lastName = name ? name : "";
  ++m_saves;
  return false;
}

void SIM_SaveGame::SetSLID(int value) {
  if (value >= 0) m_slidCounter = value;
}
