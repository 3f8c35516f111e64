// The day turn's cost: one night (SIM_SIM::NextDay) and one whole day pressed through by the
// headless player, in a new game of the real simulation. The town has as many people as the game
// makes today; while the people subsystem is a stand-in that is none, so these numbers will grow.
#include <benchmark/benchmark.h>

#include <cstdlib>
#include <string>

#include "BenchSupport.h"
#include "GUI_ControlPanel.h"
#include "GUI_EndGame.h"
#include "GUI_YearlyReview.h"
#include "HeadlessPlayer.h"
#include "Paths.h"
#include "SIM_SIM.h"

namespace {

// After a night: the review's continue button, or a new game once the ten years are up.
void GoOn(HeadlessPlayer::NIGHT night) {
  if (night == HeadlessPlayer::NIGHT_YEARLYREVIEW) GUI_YearlyReview::Continue(0);
  if (night == HeadlessPlayer::NIGHT_GAMEOVER) {
    GUI_EndGame::Close();
    HeadlessPlayer::StartNewGame(1);
  }
}

HeadlessPlayer::NIGHT Night() {
  if (GUI_EndGame::PTheWindow) return HeadlessPlayer::NIGHT_GAMEOVER;
  if (GUI_YearlyReview::PTheWindow) return HeadlessPlayer::NIGHT_YEARLYREVIEW;
  return HeadlessPlayer::NIGHT_MORNING;
}

void BM_NextDay(benchmark::State& state) {
  HeadlessPlayer::StartNewGame(1);
  for (auto _ : state) {
    state.PauseTiming();
    HeadlessPlayer::PlayToEndOfDay();
    SIM_GetSim()->ProcessPreBedTasks();
    state.ResumeTiming();
    GUI_ControlPanel::NextDay(0);
    state.PauseTiming();
    GoOn(Night());
    state.ResumeTiming();
  }
}
BENCHMARK(BM_NextDay);

void BM_WholeDay(benchmark::State& state) {
  HeadlessPlayer::StartNewGame(1);
  for (auto _ : state) {
    HeadlessPlayer::NIGHT night = HeadlessPlayer::PlayDay();
    state.PauseTiming();
    GoOn(night);
    state.ResumeTiming();
  }
}
BENCHMARK(BM_WholeDay);

}  // namespace

int main(int argc, char** argv) { return bench::RunBenchmarks(argc, argv, bench::MakeGameWorld()); }
