#pragma once
// A clean player state for the tests of the named values: no attributes, skills, effects or
// game-wide values left from an earlier test of the same process, and the player's attributes
// read from a fixture table.
#include <string>

#include "GDebug.h"
#include "SIM_Attribute.h"
#include "SIM_NamedValue.h"
#include "SIM_Skill.h"
#include "SIM_Vede.h"
#include "TestSupport.h"

namespace simtest {

inline void ResetPlayerState() {
  SIM_Attribute::Clear();
  while (!SIM_Effect::All.empty()) delete SIM_Effect::All.front();
  SIM_Skill::Clear();
  SIM_NamedValueList::Globals.Clear();
  SIM_SkillConfig::Close();
}

// Loads the player's attributes from a fixture table and recomputes the derived values.
inline SIM_Vede* PlayerFrom(const std::string& fixture) {
  ResetPlayerState();
  SIM_Vede* vede = SIM_GetVede();
  vede->LoadAttributes(testsupport::FixturePath(fixture).c_str());
  vede->RecalcAttributes();
  SIM_Attribute::ClearRecentlyChanged();
  return vede;
}

// How many lines of the debug log begin with the text (an alert's own echo line is not counted).
inline int CountLogLines(const std::string& text) {
  std::string log = "\n" + testsupport::ReadFile(GetDebug()->GetPath());
  std::string needle = "\n" + text;
  int count = 0;
  size_t pos = 0;
  while ((pos = log.find(needle, pos)) != std::string::npos) {
    ++count;
    pos += needle.size();
  }
  return count;
}

}  // namespace simtest
