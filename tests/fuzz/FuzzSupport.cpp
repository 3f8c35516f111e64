#include "FuzzSupport.h"

#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>

#include "GDebug.h"
#include "GTranslation.h"
#include "TestWorld.h"

namespace fs = std::filesystem;

namespace {
std::string g_root;
// libFuzzer's -close_fd_mask=2 silences the game's stderr; a failed check still has to be read.
int g_reportFd = 2;

void RemoveWorld() {
  if (g_root.empty() || std::getenv("VORLA2_KEEP_TEST_DIR")) return;
  std::error_code ec;
  fs::remove_all(g_root, ec);
}
}  // namespace

namespace fuzz {

void Setup() {
  if (!g_root.empty()) return;
  g_reportFd = dup(2);
  g_root = testsupport::MakeTestWorld("vorla2-fuzz", std::string(VORLA2_SOURCE_DIR) + "/data");
  std::atexit(RemoveWorld);
  setenv("VORLA2_HEADLESS", "1", 1);
  setenv("VORLA2_NONINTERACTIVE", "1", 1);
  setenv("SDL_AUDIODRIVER", "dummy", 1);
  setenv("SDL_NO_SIGNAL_HANDLERS", "1", 1);
  fs::create_directories(g_root + "/input");
#ifdef VORLA2_LIBFUZZER
  std::error_code ec;
  fs::create_directories(g_root + "/resources/debugdata", ec);
  fs::create_symlink("/dev/null", g_root + "/resources/debugdata/debug.txt", ec);
#endif
  GetDebug()->Initialise();
}

void Forget() {
  GForgetSightings();
  // Every missing translation key is kept for the life of the table; a reload drops them.
  static unsigned inputs = 0;
  if (++inputs % 1000 == 0) GTranslation::Reload();
}

std::string Bytes(const uint8_t* data, size_t size) {
  return size ? std::string(reinterpret_cast<const char*>(data), size) : std::string();
}

std::string WriteInput(const std::string& name, const uint8_t* data, size_t size) {
  const std::string path = g_root + "/input/" + name;
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  if (size) out.write(reinterpret_cast<const char*>(data), std::streamsize(size));
  out.close();
  if (!out) Fail(("cannot write " + path).c_str());
  return path;
}

std::vector<std::string> Lines(const std::string& text, size_t limit) {
  std::vector<std::string> lines;
  size_t pos = 0;
  while (pos <= text.size() && lines.size() < limit) {
    size_t nl = text.find('\n', pos);
    if (nl == std::string::npos) nl = text.size();
    lines.push_back(text.substr(pos, nl - pos));
    pos = nl + 1;
  }
  return lines;
}

void Fail(const char* what) {
  const std::string line = std::string("fuzz target check failed: ") + (what ? what : "") + "\n";
  if (write(g_reportFd, line.data(), line.size()) < 0) std::fputs(line.c_str(), stderr);
  std::abort();
}

}  // namespace fuzz
