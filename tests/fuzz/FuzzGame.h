#pragma once
// The player the game-side targets read against: the tuning numbers and the attributes of data/,
// put back as they were after every input so that effects and skills do not pile up.
#include "FuzzSupport.h"
#include "SIM_Attribute.h"
#include "SIM_GlobalVariable.h"
#include "SIM_NamedValue.h"
#include "SIM_Skill.h"
#include "SIM_Vede.h"

namespace fuzz {

inline void LoadPlayer() {
  SIM_Attribute::Clear();
  while (!SIM_Effect::All.empty()) delete SIM_Effect::All.front();
  SIM_Skill::Clear();
  SIM_NamedValueList::Globals.Clear();
  SIM_Vede* vede = SIM_GetVede();
  vede->LoadAttributes("data/simulation/attributes.csv");
  vede->RecalcAttributes();
  SIM_Attribute::ClearRecentlyChanged();
}

inline void LoadTuningAndPlayer() {
  SIM_GetGlobalVariables()->Load("data/config.txt");
  LoadPlayer();
}

}  // namespace fuzz

// A target that reads against the data's player: its set-up is the private world, the tuning and
// the player, and nothing of its own.
#define VORLA2_FUZZ_GAME_TARGET                  \
  VORLA2_FUZZ_TARGET;                            \
  int LLVMFuzzerInitialize(int*, char***) {      \
    fuzz::Setup();                               \
    fuzz::LoadTuningAndPlayer();                 \
    return 0;                                    \
  }                                              \
  int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
