#include "Paths.h"

#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <optional>
#include <system_error>

namespace fs = std::filesystem;

namespace {

std::optional<std::string> g_resourcesDir;

std::string StripTrailingSlashes(std::string path) {
  while (path.size() > 1 && path.back() == '/') path.pop_back();
  return path;
}

// XDG variables count only when set to an absolute path.
std::string XdgDir(const char* variable, const char* fallbackUnderHome) {
  const char* value = std::getenv(variable);
  if (value && value[0] == '/') return StripTrailingSlashes(value);
  const char* home = std::getenv("HOME");
  std::string base = (home && home[0]) ? StripTrailingSlashes(home) : std::string("/tmp");
  return base + "/" + fallbackUnderHome;
}

fs::path ExecutableDir() {
  std::error_code ec;
  fs::path exe = fs::read_symlink("/proc/self/exe", ec);
  if (ec || exe.empty()) return fs::current_path(ec);
  return exe.parent_path();
}

std::string FindResourcesDir() {
  const char* env = std::getenv("VORLA2_DATA_DIR");
  if (env && env[0]) return StripTrailingSlashes(env);

  std::error_code ec;
  fs::path exeDir = ExecutableDir();
  for (fs::path dir = exeDir; !dir.empty(); dir = dir.parent_path()) {
    if (fs::is_regular_file(dir / "data" / "strings.ini", ec)) return StripTrailingSlashes(dir.string());
    if (dir == dir.parent_path()) break;
  }
  fs::path installed = exeDir / ".." / "share" / "vorla2";
  if (fs::is_directory(installed, ec)) return StripTrailingSlashes(fs::weakly_canonical(installed, ec).string());
  return "";
}

}  // namespace

const std::string& GetResourcesDir() {
  if (!g_resourcesDir) g_resourcesDir = FindResourcesDir();
  return *g_resourcesDir;
}

std::string GetUserFolder() { return XdgDir("XDG_DATA_HOME", ".local/share") + "/Vorla 2"; }

std::string GetPreferencesPath() { return XdgDir("XDG_CONFIG_HOME", ".config") + "/Vorla 2/preferences.ini"; }

void ResetPathCache() { g_resourcesDir.reset(); }
