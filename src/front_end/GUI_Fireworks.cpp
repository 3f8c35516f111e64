#include "GUI_Fireworks.h"

#include "D3DEngine.h"
#include "GUI_ParticleEmmiter.h"
#include "GUI_ParticleManager.h"
#include "GRandom.h"
#include "GUI_Sounds.h"

GUI_Fireworks* GetFireworks() {
  static GUI_Fireworks fireworks;
  return &fireworks;
}

void GUI_Fireworks::FireworkDisplay() {
  m_on = true;
  AddFirework();
}

void GUI_Fireworks::Draw() { Process(); }

void GUI_Fireworks::Process() {
  if (!m_on) return;
  if ((float)(GUI_Particles::Now() - m_lastLaunch) > m_gap) AddFirework();
}

void GUI_Fireworks::AddFirework() {
  const V2 at(GRandom::Scene().RandReal(0.0f, D3DEngine::W), GRandom::Scene().RandReal(0.0f, D3DEngine::H));
  if (GRandom::Scene().IsChance(EXTRA_SOUND_CHANCE)) PlaySound();
  static const char* const kinds[3] = {"slowsparks", "redsparks", "smallpyro"};
  GUI_ParticleManager::CreateEmmiter(kinds[GRandom::Scene().Rand() % 3], at, 0.0f);
  m_gap = GRandom::Scene().RandReal(0.0f, MAX_GAP_MS);
  m_lastLaunch = GUI_Particles::Now();
  PlaySound();
}

void GUI_Fireworks::PlaySound() {
  const float volume = GRandom::Scene().RandReal(0.25f, 1.0f);
  const float pan = GRandom::Scene().RandReal(-1.0f, 1.0f);
  const float r = GRandom::Scene().RandUnitFloat();
  const char* path = r < 0.33f ? "data/sounds/firework1.ogg" : r < 0.66f ? "data/sounds/firework2.ogg" : "data/sounds/firework3.ogg";
  GUI_GetSounds()->PlaySound(path, volume, pan, false);
}

void GUI_Fireworks::StopDisplay() {
  m_on = false;
  GUI_ParticleManager::KillActiveEmmiters();
}
