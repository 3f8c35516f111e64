#include "GUI_ParticleManager.h"

#include "SIM_StandInLog.h"

GUI_ParticleManager* GUI_GetParticleManager() {
  static GUI_ParticleManager particles;
  return &particles;
}

void GUI_ParticleManager::Draw() { STAND_IN(); }
