// Saving and loading as in play, for the seed-1 game at night 590: the whole save (composed,
// written beside the old file, synced and renamed over it) and the whole load (read, checked, the
// game reset and rebuilt). Goals: a save within 20 ms, a load within 50 ms (medians).
#include <benchmark/benchmark.h>

#include "BenchSupport.h"
#include "GUI_EndGame.h"
#include "GUI_YearlyReview.h"
#include "HeadlessPlayer.h"
#include "SIM_LoadGame.h"
#include "SIM_SaveGame.h"

namespace {

void PlayTo590() {
  static bool played = false;
  if (played) return;
  played = true;
  HeadlessPlayer::StartNewGame(1);
  for (int night = 0; night < 590; ++night) {
    const HeadlessPlayer::NIGHT result = HeadlessPlayer::PlayDay();
    if (result == HeadlessPlayer::NIGHT_YEARLYREVIEW) GUI_YearlyReview::Continue(0);
    if (result == HeadlessPlayer::NIGHT_GAMEOVER) GUI_EndGame::Continue(0);
  }
}

void BM_SaveGame(benchmark::State& state) {
  PlayTo590();
  for (auto _ : state) {
    if (!SIM_GetSaveGame()->SaveGame("bench")) state.SkipWithError("the save failed");
  }
}
BENCHMARK(BM_SaveGame)->Unit(benchmark::kMillisecond)->Repetitions(5)->ReportAggregatesOnly(true);

void BM_LoadGame(benchmark::State& state) {
  PlayTo590();
  if (!SIM_GetSaveGame()->SaveGame("bench")) state.SkipWithError("the save failed");
  for (auto _ : state) {
    if (!SIM_GetLoadGame()->LoadGame("bench")) state.SkipWithError("the load failed");
  }
}
BENCHMARK(BM_LoadGame)->Unit(benchmark::kMillisecond)->Repetitions(5)->ReportAggregatesOnly(true);

}  // namespace

int main(int argc, char** argv) {
  const std::string root = bench::MakeGameWorld();
  return bench::RunBenchmarks(argc, argv, root);
}
