#include "SIM_LoadGame.h"

SIM_LoadGame* SIM_GetLoadGame() {
  static SIM_LoadGame instance;
  return &instance;
}

bool SIM_LoadGame::LoadGame(const char*) {
  m_failure = LOAD_MISSING;
  return false;
}
