// SIM_Script over any script text. Effects on the player run for real (against the data's player,
// put back after each input); the commands that reach screens, sounds, hooks and the tutorial are
// replaced by a stand-in that reads every argument the way they do.
#include <string>

#include "CSV.h"
#include "FuzzGame.h"
#include "FuzzSupport.h"
#include "SIM_Script.h"

VORLA2_FUZZ_TARGET;

namespace {

void ReadArguments(int) {
  SIM_Script* script = SIM_GetScript();
  for (int i = 0; i < SIM_Script::MAX_ARGUMENTS; ++i) {
    CSV::ParseInt(script->GetArgument(i).c_str());
    CSV::ParseFloat(script->GetArgument(i).c_str());
  }
  script->GetArgument(-1);
  script->GetArgument(SIM_Script::MAX_ARGUMENTS);
}

}  // namespace

int LLVMFuzzerInitialize(int*, char***) {
  fuzz::Setup();
  fuzz::LoadTuningAndPlayer();
  for (const char* name : {"Call", "SelectSocial", "SelectSolo", "PlayGenderSound", "PlaySound", "OverrideMusic",
                           "TutorialWindow", "Highlight", "HighlightRect", "AllowButton", "CloseWindow",
                           "AddSmalltalk"})
    SIM_GetScript()->AddScriptableFunction(ReadArguments, name);
  return 0;
}

int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  SIM_Script* script = SIM_GetScript();
  script->RunScript(fuzz::Bytes(data, size), 1.5f);
  fuzz::Check(script->GetScale() == 1.0f, "the scale outlived the script");
  script->StoreScript(fuzz::Bytes(data, size));
  script->RunStoredScripts();
  fuzz::Check(script->GetStoredScripts().empty(), "stored scripts left after running them");
  fuzz::LoadPlayer();
  fuzz::Forget();
  return 0;
}
