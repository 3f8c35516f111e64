#pragma once
// Industries of the job table. Stand-in until the work subsystem arrives.
#include <string>

class SIM_CharacterType;

class SIM_Industry {
 public:
  // Sets the game-wide value of every industry's name to 0.
  static void ClearGlobalFlags();
  // The industry of that name: one stand-in industry for every name until the table exists.
  static SIM_Industry* GetIndustry(const std::string& name);
  // Whether people of the type gather in this industry; no industry boosts any type yet.
  bool BoostsType(const SIM_CharacterType* type) const;
};
