// GetString runs for every text drawn every frame: it must stay a short bucket walk with no
// allocation. Reports lookups per second and allocations per lookup (expected 0) for a table of
// the size the finished game has.
#include <benchmark/benchmark.h>

#include <atomic>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <new>
#include <string>
#include <vector>

#include "GTranslation.h"

namespace {
std::atomic<long> g_allocations{0};
}

// Counting every allocation of the process: the replaced pair is malloc/free underneath, which
// GCC cannot see through when it inlines library code.
#pragma GCC diagnostic ignored "-Wmismatched-new-delete"

void* operator new(std::size_t n) {
  ++g_allocations;
  if (void* p = std::malloc(n ? n : 1)) return p;
  throw std::bad_alloc();
}
void operator delete(void* p) noexcept { std::free(p); }
void operator delete(void* p, std::size_t) noexcept { std::free(p); }

namespace {

std::vector<std::string> g_keys;

// A private world: the benchmark never reads or writes the real user folder.
void MakeWorld() {
  std::string root = (std::filesystem::temp_directory_path() / "vorla2-bench-XXXXXX").string();
  if (!mkdtemp(root.data())) std::exit(2);
  setenv("HOME", root.c_str(), 1);
  setenv("XDG_CONFIG_HOME", (root + "/config").c_str(), 1);
  setenv("XDG_DATA_HOME", (root + "/share").c_str(), 1);
  setenv("VORLA2_DATA_DIR", root.c_str(), 1);
  std::filesystem::create_directories(root + "/data");
  std::string path = root + "/data/strings.ini";
  FILE* f = std::fopen(path.c_str(), "w");
  std::fprintf(f, "[strings]\n");
  for (int i = 0; i < 4000; ++i) {
    std::string key = "TEXT_" + std::to_string(i) + (i % 3 ? "_TITLE" : "_BODY");
    std::fprintf(f, "%s=Some text for <NAME> number %d\n", key.c_str(), i);
    g_keys.push_back(key);
  }
  std::fclose(f);
  GTranslation::UseStringsFile(path.c_str());
  GTranslation::GetString("warm up");
}

void BM_GetStringHit(benchmark::State& state) {
  size_t i = 0;
  long before = g_allocations;
  for (auto _ : state) {
    benchmark::DoNotOptimize(GTranslation::GetString(g_keys[i].c_str()));
    i = (i + 97) % g_keys.size();
  }
  state.counters["allocs_per_lookup"] = (double)(g_allocations - before) / (double)state.iterations();
}
BENCHMARK(BM_GetStringHit);

void BM_GetStringMissing(benchmark::State& state) {
  GTranslation::GetString("NOT_A_KEY");  // reported once, then remembered
  long before = g_allocations;
  for (auto _ : state) benchmark::DoNotOptimize(GTranslation::GetString("NOT_A_KEY"));
  state.counters["allocs_per_lookup"] = (double)(g_allocations - before) / (double)state.iterations();
}
BENCHMARK(BM_GetStringMissing);

}  // namespace

int main(int argc, char** argv) {
  MakeWorld();
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  std::filesystem::remove_all(std::getenv("VORLA2_DATA_DIR"));
  return 0;
}
