#pragma once
// The home's dirt: the game-wide value "glob_dirt", raised by scripts ("dirtyhome") and pets,
// wiped by cleaning ("cleanhome"). A dirty home shows in the diary and breeds germs.
class SIM_NamedValue;

class SIM_Dirt {
 public:
  SIM_Dirt();  // registers the hook "cleanhome"

  void Initialise();  // "glob_dirt" = 0 (created when missing)
  void DirtyHome();
  void CleanHome();
  void NextDay();
  void RefreshDirtCache();
  float GetCachedDirt() const { return m_cache; }

  // "glob_dirt", created as the attribute "Dirt" at 0 when the game-wide list lacks it.
  static SIM_NamedValue* GetDirtValue();

 private:
  float m_cache = 0.0f;
};

SIM_Dirt* SIM_GetDirt();
void SIM_HookCleanHome();
