#pragma once
// A private world for a test or benchmark process, made before anything of the game runs: a
// temporary folder with a home folder (HOME and XDG_* point into it) and a resources folder
// (VORLA2_DATA_DIR) whose data/ mirrors a data folder through symlinks, so that files the game
// creates land in the temporary folder and never in the repository or the real user folder.
// Header-only, so that the benchmarks share it without linking the test support library.
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <system_error>

namespace testsupport {

// Makes <temp>/<prefix>-XXXXXX holding home/ and resources/data/, points the environment at them
// and returns the folder. resources/data/ mirrors dataFolder, or is left empty when that is "".
// Ends the process (exit code 2) where no temporary folder can be made.
inline std::string MakeTestWorld(const std::string& prefix, const std::string& dataFolder) {
  namespace fs = std::filesystem;
  std::string root = (fs::temp_directory_path() / (prefix + "-XXXXXX")).string();
  if (!mkdtemp(root.data())) {
    perror("mkdtemp");
    std::exit(2);
  }
  const std::string home = root + "/home";
  const std::string resources = root + "/resources";
  fs::create_directories(home + "/.local/share");
  fs::create_directories(home + "/.config");
  fs::create_directories(home + "/.cache");
  const fs::path target = fs::path(resources) / "data";
  fs::create_directories(target);
  if (!dataFolder.empty()) {
    // Folders are made, files linked (fs::copy refuses create_symlinks for a folder tree).
    std::error_code ec;
    const fs::path source(dataFolder);
    for (auto it = fs::recursive_directory_iterator(source, ec); !ec && it != fs::recursive_directory_iterator();
         it.increment(ec)) {
      // Lexically: fs::relative would follow a linked file to its target's name.
      const fs::path to = target / it->path().lexically_relative(source);
      if (it->is_directory()) {
        fs::create_directories(to, ec);
      } else {
        fs::create_symlink(it->path(), to, ec);
      }
      ec.clear();
    }
  }
  setenv("HOME", home.c_str(), 1);
  setenv("XDG_DATA_HOME", (home + "/.local/share").c_str(), 1);
  setenv("XDG_CONFIG_HOME", (home + "/.config").c_str(), 1);
  setenv("XDG_CACHE_HOME", (home + "/.cache").c_str(), 1);
  setenv("VORLA2_DATA_DIR", resources.c_str(), 1);
  return root;
}

}  // namespace testsupport
