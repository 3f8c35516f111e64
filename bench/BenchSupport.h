#pragma once
// What the benchmark programs share: each runs in a private world (tests/support/TestWorld.h), so
// that it never reads or writes the real user folder, and leaves nothing behind.
#include <benchmark/benchmark.h>

#include <filesystem>
#include <string>
#include <system_error>

#include "TestWorld.h"

namespace bench {

// Runs the benchmarks of this program, then removes the private world at root.
inline int RunBenchmarks(int argc, char** argv, const std::string& root) {
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  std::error_code ec;
  std::filesystem::remove_all(root, ec);
  return 0;
}

}  // namespace bench
