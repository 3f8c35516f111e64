// The test entry point: builds this process's temporary world before any test (and any singleton)
// runs, and removes it at the end.
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <string>

#include "GDebug.h"
#include "TestSupport.h"
#include "TestWorld.h"

namespace fs = std::filesystem;

namespace {
std::string g_root;
std::string g_resources;

void MakeWorld() {
  g_root = testsupport::MakeTestWorld("vorla2-test", std::string(VORLA2_SOURCE_DIR) + "/data");
  g_resources = g_root + "/resources";
  setenv("VORLA2_NONINTERACTIVE", "1", 1);
  setenv("SDL_AUDIODRIVER", "dummy", 1);
  setenv("SDL_NO_SIGNAL_HANDLERS", "1", 1);
}
}  // namespace

namespace testsupport {
const std::string& TestRoot() { return g_root; }
const std::string& ResourcesRoot() { return g_resources; }
}  // namespace testsupport

int main(int argc, char** argv) {
  MakeWorld();
  ::testing::InitGoogleTest(&argc, argv);
  // Every test process leaves a whole debug log in its resources folder, as a run of the game does.
  GetDebug()->Initialise();
  int rc = RUN_ALL_TESTS();
  GetDebug()->Shutdown();
  if (!getenv("VORLA2_KEEP_TEST_DIR")) {
    std::error_code ec;
    fs::remove_all(g_root, ec);
  }
  return rc;
}
