#pragma once
// The live particle emitters, drawn deepest first so the shallowest end up on top, and the
// finished ones kept for reuse by configuration name, so a steady display stops allocating once it
// has one emitter per concurrent effect. Both lists own their emitters.
#include <vector>

#include "V2.h"

class GUI_ParticleEmmiter;

class GUI_ParticleManager {
 public:
  static GUI_ParticleEmmiter* CreateEmmiter(const char* name, V2 position, float depth);
  static void Draw();
  static void KillActiveEmmiters();
  static void ClearEmmiters();
  static void Open();
  static void Close();
  static void CacheEmmiter(const char* name);
  static void AddEmmiter(GUI_ParticleEmmiter* emmiter);
  static bool PruneEmmiter();  // moves the first inactive live emitter to the cache; false when none
  static void debug_DrawStats();
  // Called by a dying emitter: it leaves both lists.
  static void Forget(GUI_ParticleEmmiter* emmiter);

  static std::vector<GUI_ParticleEmmiter*> Emmiters;
  static std::vector<GUI_ParticleEmmiter*> CachedEmmiters;
};
