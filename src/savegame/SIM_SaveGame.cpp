#include "SIM_SaveGame.h"

#include "SIM_StandInLog.h"

SIM_SaveGame* SIM_GetSaveGame() {
  static SIM_SaveGame instance;
  return &instance;
}

void SIM_SaveGame::SaveGame(const char* name) {
  STAND_IN();
  m_lastName = name ? name : "";
  ++m_saves;
}
