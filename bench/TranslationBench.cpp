// GetString runs for every text drawn every frame: it must stay a short bucket walk with no
// allocation. Reports lookups per second and allocations per lookup (expected 0) for a table of
// the size the finished game has.
#include <benchmark/benchmark.h>

#include <atomic>
#include <cstdio>
#include <cstdlib>
#include <new>
#include <string>
#include <vector>

#include "BenchSupport.h"
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

// A private world whose only data file is a strings table of the finished game's size.
std::string MakeWorld() {
  const std::string root = testsupport::MakeTestWorld("vorla2-bench", "");
  std::string path = root + "/resources/data/strings.ini";
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
  return root;
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

int main(int argc, char** argv) { return bench::RunBenchmarks(argc, argv, MakeWorld()); }
