#include "TestSupport.h"

#include <filesystem>
#include <fstream>
#include <sstream>

namespace fs = std::filesystem;

namespace testsupport {

std::string RepoPath(const std::string& relative) { return std::string(VORLA2_SOURCE_DIR) + "/" + relative; }
std::string FixturePath(const std::string& relative) { return std::string(VORLA2_FIXTURES_DIR) + "/" + relative; }

std::string ReadFile(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  std::ostringstream out;
  out << in.rdbuf();
  return out.str();
}

void WriteFile(const std::string& path, const std::string& text) {
  fs::path p(path);
  if (p.has_parent_path()) fs::create_directories(p.parent_path());
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  out << text;
}

bool Exists(const std::string& path) { return fs::exists(path); }

}  // namespace testsupport
