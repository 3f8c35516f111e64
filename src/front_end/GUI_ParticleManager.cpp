#include "GUI_ParticleManager.h"

#include <algorithm>

#include "GUI_ParticleConfig.h"
#include "GUI_ParticleEmmiter.h"

std::vector<GUI_ParticleEmmiter*> GUI_ParticleManager::Emmiters;
std::vector<GUI_ParticleEmmiter*> GUI_ParticleManager::CachedEmmiters;

GUI_ParticleEmmiter* GUI_ParticleManager::CreateEmmiter(const char* name, V2 position, float depth) {
  for (auto it = CachedEmmiters.begin(); it != CachedEmmiters.end(); ++it) {
    GUI_ParticleEmmiter* e = *it;
    if (e->GetConfig() && e->GetConfig()->m_name == name) {
      CachedEmmiters.erase(it);
      // Restarted before it joins the live list, so it is sorted by its new depth.
      e->Reset(position, depth);
      AddEmmiter(e);
      return e;
    }
  }
  GUI_ParticleEmmiter* e = new GUI_ParticleEmmiter(name, position, depth);
  AddEmmiter(e);
  return e;
}

void GUI_ParticleManager::AddEmmiter(GUI_ParticleEmmiter* emmiter) {
  Emmiters.push_back(emmiter);
  std::stable_sort(Emmiters.begin(), Emmiters.end(), ZMoreThan);
}

void GUI_ParticleManager::Draw() {
  for (GUI_ParticleEmmiter* e : Emmiters) e->Draw();
  while (PruneEmmiter()) {
  }
}

bool GUI_ParticleManager::PruneEmmiter() {
  for (auto it = Emmiters.begin(); it != Emmiters.end(); ++it) {
    if (!(*it)->IsActive()) {
      CachedEmmiters.push_back(*it);
      Emmiters.erase(it);
      return true;
    }
  }
  return false;
}

void GUI_ParticleManager::CacheEmmiter(const char* name) {
  GUI_ParticleEmmiter* e = new GUI_ParticleEmmiter(name, V2(), 0.0f);
  CachedEmmiters.push_back(e);
}

void GUI_ParticleManager::Forget(GUI_ParticleEmmiter* emmiter) {
  Emmiters.erase(std::remove(Emmiters.begin(), Emmiters.end(), emmiter), Emmiters.end());
  CachedEmmiters.erase(std::remove(CachedEmmiters.begin(), CachedEmmiters.end(), emmiter), CachedEmmiters.end());
}

void GUI_ParticleManager::KillActiveEmmiters() {
  while (!Emmiters.empty()) delete Emmiters.back();
}

void GUI_ParticleManager::ClearEmmiters() {
  KillActiveEmmiters();
  while (!CachedEmmiters.empty()) delete CachedEmmiters.back();
}

void GUI_ParticleManager::Open() {
  Close();
  GUI_ParticleConfig::Open();
}

void GUI_ParticleManager::Close() {
  ClearEmmiters();
  GUI_ParticleConfig::Close();
}

// A debugging aid kept for the developer's builds: nothing shows on screen.
void GUI_ParticleManager::debug_DrawStats() {}
