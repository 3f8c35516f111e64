// The test entry point: builds this process's temporary world before any test (and any singleton)
// runs, and removes it at the end.
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <string>

#include "GDebug.h"
#include "TestSupport.h"

namespace fs = std::filesystem;

namespace {
std::string g_root;
std::string g_resources;

void MakeWorld() {
  fs::path tmp = fs::temp_directory_path();
  std::string pattern = (tmp / "vorla2-test-XXXXXX").string();
  if (!mkdtemp(pattern.data())) {
    perror("mkdtemp");
    std::exit(2);
  }
  g_root = pattern;
  std::string home = g_root + "/home";
  g_resources = g_root + "/resources";
  fs::create_directories(home + "/.local/share");
  fs::create_directories(home + "/.config");
  fs::create_directories(home + "/.cache");
  fs::create_directories(g_resources);
  // Folders are made, files linked (fs::copy refuses create_symlinks for a folder tree).
  std::error_code ec;
  const fs::path source = fs::path(VORLA2_SOURCE_DIR) / "data";
  const fs::path target = fs::path(g_resources) / "data";
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
  setenv("HOME", home.c_str(), 1);
  setenv("XDG_DATA_HOME", (home + "/.local/share").c_str(), 1);
  setenv("XDG_CONFIG_HOME", (home + "/.config").c_str(), 1);
  setenv("XDG_CACHE_HOME", (home + "/.cache").c_str(), 1);
  setenv("VORLA2_DATA_DIR", g_resources.c_str(), 1);
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
