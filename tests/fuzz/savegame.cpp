// A save file from any bytes: the checker splits and checks it without touching the game; a file
// it passes is loaded into a headless game set up once, and the game loaded from it must save
// again as a file the checker passes.
#include <string>
#include <vector>

#include "FuzzSupport.h"
#include "HeadlessPlayer.h"
#include "SIM_LoadGame.h"
#include "SIM_SaveGame.h"

VORLA2_FUZZ_TARGET;

int LLVMFuzzerInitialize(int*, char***) {
  fuzz::Setup();
  HeadlessPlayer::StartNewGame(1);
  return 0;
}

int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string text = fuzz::Bytes(data, size);
  std::vector<SIM_LoadGame::Line> lines;
  std::string why;
  const SIM_LoadGame::FAILURE checked = SIM_LoadGame::Parse(text, &lines, &why);
  fuzz::Check(checked == SIM_LoadGame::LOAD_OK || !why.empty(), "a refusal without a reason");
  if (checked == SIM_LoadGame::LOAD_OK) {
    SIM_LoadGame* loader = SIM_GetLoadGame();
    fuzz::Check(loader->LoadFromText(text, "fuzz", "fuzz input"), "a checked save was not loaded");
    const std::string saved = SIM_GetSaveGame()->Compose();
    fuzz::Check(SIM_LoadGame::Parse(saved, &lines, &why) == SIM_LoadGame::LOAD_OK, "a loaded game saved a broken file");
  }
  fuzz::Forget();
  return 0;
}
