#include "SIM_GameConfig.h"

#include "GDebug.h"

SIM_GameConfig* SIM_GetGameConfig() {
  static SIM_GameConfig config;
  return &config;
}

SIM_GameConfig::SIM_GameConfig() = default;

float SIM_GameConfig::GetVariable(int var) const {
  if (var < 0 || var >= CONFIGVAR_COUNT) {
    GWarning("asked for invalid game config var", __FILE__, __LINE__);
    return 0.0f;
  }
  return m_variables[var] * 0.01f;
}

int SIM_GameConfig::GetRawVariable(int var) const {
  if (var < 0 || var >= CONFIGVAR_COUNT) return 0;
  return m_variables[var];
}

void SIM_GameConfig::IncreaseVar(int var) {
  if (var < 0 || var >= CONFIGVAR_COUNT) {
    GWarning("asked for invalid game config var", __FILE__, __LINE__);
    return;
  }
  if (m_variables[var] > 99) return;

  const int step = 6;
  int gain = step;
  m_variables[var] += step;
  if (m_variables[var] > 100) {
    gain -= m_variables[var] - 100;
    m_variables[var] = 100;
  }

  int taken = 0;
  bool tookSome = true;
  while (taken < gain && tookSome) {
    tookSome = false;
    for (int other = 0; other < CONFIGVAR_COUNT && taken < step; ++other) {
      if (other == var || m_variables[other] < 2) continue;
      m_variables[other] -= 2;
      taken += 2;
      tookSome = true;
    }
  }
}
