// The day turn's cost: one night (SIM_SIM::NextDay) and one whole day pressed through by the
// headless player, in a new game of the real simulation. The town has as many people as the game
// makes today; while the people subsystem is a stand-in that is none, so these numbers will grow.
#include <benchmark/benchmark.h>

#include <cstdlib>
#include <filesystem>
#include <string>

#include "GUI_ControlPanel.h"
#include "GUI_EndGame.h"
#include "GUI_YearlyReview.h"
#include "HeadlessPlayer.h"
#include "Paths.h"
#include "SIM_SIM.h"

namespace fs = std::filesystem;

namespace {

std::string g_root;

// A private world: a temporary home and user folder, and a resources folder whose data/ links to
// the game's, so neither the real user folder nor the repository gets a file.
void MakeWorld() {
  const std::string resources = GetResourcesDir();
  if (resources.empty()) std::exit(2);
  g_root = (fs::temp_directory_path() / "vorla2-bench-XXXXXX").string();
  if (!mkdtemp(g_root.data())) std::exit(2);
  setenv("HOME", g_root.c_str(), 1);
  setenv("XDG_CONFIG_HOME", (g_root + "/config").c_str(), 1);
  setenv("XDG_DATA_HOME", (g_root + "/share").c_str(), 1);
  std::error_code ec;
  const fs::path source = fs::path(resources) / "data";
  const fs::path target = fs::path(g_root) / "resources" / "data";
  fs::create_directories(target);
  for (auto it = fs::recursive_directory_iterator(source, ec); !ec && it != fs::recursive_directory_iterator();
       it.increment(ec)) {
    const fs::path to = target / fs::relative(it->path(), source);
    if (it->is_directory()) {
      fs::create_directories(to, ec);
    } else {
      fs::create_symlink(it->path(), to, ec);
    }
    ec.clear();
  }
  setenv("VORLA2_DATA_DIR", (g_root + "/resources").c_str(), 1);
  setenv("VORLA2_HEADLESS", "1", 1);
  ResetPathCache();
}

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

int main(int argc, char** argv) {
  MakeWorld();
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  fs::remove_all(g_root);
  return 0;
}
