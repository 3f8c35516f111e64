// A still frame's own cost, without the GL driver: the whole frame of the game (input, the mode's
// drawing, the fader, the flip) with the renderer recording the frame's commands and comparing them
// with the frame on screen, as the game's window does, on the idle main menu and on a new game's
// first page. And the comparison alone. Headless, so no GL work is measured: that is the part a
// still frame no longer does (bench/window_cpu.sh measures the real program in a window).
#include <benchmark/benchmark.h>

#include <cstdlib>
#include <string>

#include "BenchSupport.h"
#include "D3DEngine.h"
#include "GUI_GameModeBase.h"
#include "Game.h"
#include "HeadlessPlayer.h"
#include "Paths.h"
#include "winmain.h"

namespace {

// The game started headless, recording its frames as the window does (the tests' recorder off,
// which a window does not run).
void Start() {
  Game* game = GetGame();
  if (!game->IsInitialised()) game->InitApp();
  BActive = true;
  D3DEngine::GetRecorder().SetEnabled(false);
  GetD3DEngine()->SetSkipUnchangedFrames(true);
}

void Frames(benchmark::State& state) {
  D3DEngine* engine = GetD3DEngine();
  GetGame()->GameProc();  // the first frame is drawn; the rest are the same
  const int drawn = engine->GetFramesDrawn();
  for (auto _ : state) GetGame()->GameProc();
  state.counters["drawn"] = double(engine->GetFramesDrawn() - drawn);
}

void BM_StillMainMenuFrame(benchmark::State& state) {
  Start();
  GetGame()->SetGameMode(Game::GAMEMODE_MAINMENU);
  Frames(state);
}
BENCHMARK(BM_StillMainMenuFrame);

void BM_StillMorningPageFrame(benchmark::State& state) {
  Start();
  HeadlessPlayer::StartNewGame(1);
  Frames(state);
}
BENCHMARK(BM_StillMorningPageFrame);

// Only the comparison of a recorded frame with an equal one: what deciding to skip costs.
void BM_CompareEqualFrames(benchmark::State& state) {
  Start();
  HeadlessPlayer::StartNewGame(1);
  D3DEngine* engine = GetD3DEngine();
  engine->SetSkipUnchangedFrames(false);
  engine->SetSkipUnchangedFrames(true);
  // Recorded but not yet flipped: the frame as it stands at the flip.
  engine->BeginRender();
  GetGame()->GetCurrentMode()->Draw();
  engine->EndRender();
  const FrameCommands a = engine->GetRecordedFrame();
  const FrameCommands b = a;
  for (auto _ : state) benchmark::DoNotOptimize(a == b);
  state.counters["commands"] = double(a.Commands().size());
  state.counters["vertices"] = double(a.Vertices().size());
}
BENCHMARK(BM_CompareEqualFrames);

}  // namespace

int main(int argc, char** argv) { return bench::RunBenchmarks(argc, argv, bench::MakeGameWorld()); }
