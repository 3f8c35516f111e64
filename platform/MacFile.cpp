#include "MacFile.h"

#include <sys/stat.h>

#include <filesystem>
#include <system_error>

#include "GDebug.h"
#include "Paths.h"
#include "StringUtils.h"

namespace fs = std::filesystem;

namespace {

// "rt"/"wt" are the Windows spellings; the "t" means nothing here.
std::string PosixMode(const char* mode) {
  std::string out;
  for (const char* m = mode; m && *m; ++m)
    if (*m != 't') out += *m;
  return out.empty() ? std::string("r") : out;
}

// fopen happily opens a directory for reading; callers want files only.
FILE* OpenFile(const std::string& path, const std::string& mode) {
  FILE* f = std::fopen(path.c_str(), mode.c_str());
  if (!f) return nullptr;
  struct stat st;
  if (fstat(fileno(f), &st) == 0 && S_ISDIR(st.st_mode)) {
    std::fclose(f);
    return nullptr;
  }
  return f;
}

// The path as it would sit inside the resources directory: leading dots and slashes dropped.
std::string ResourceRelative(const std::string& normalised) {
  size_t start = 0;
  while (start < normalised.size() && normalised[start] == '.') ++start;
  while (start < normalised.size() && normalised[start] == '/') ++start;
  return normalised.substr(start);
}

}  // namespace

FILE* Mac_fopen(const char* path, const char* mode) {
  if (!path || !path[0]) return nullptr;
  // Turned before the first attempt too, so that no file is ever created with "\" in its name.
  std::string normalised = ToForwardSlashes(path);
  std::string posixMode = PosixMode(mode);
  if (FILE* f = OpenFile(normalised, posixMode)) return f;

  const std::string& resources = GetResourcesDir();
  if (resources.empty()) return nullptr;
  std::string rest = ResourceRelative(normalised);
  if (rest.empty()) return nullptr;
  std::string full = resources;
  if (full.back() != '/') full += '/';
  full += rest;
  return OpenFile(full, posixMode);
}

std::string BuildMacResourceDirPath(const char* directory) {
  const std::string& resources = GetResourcesDir();
  if (resources.empty()) return "";
  std::string out = resources;
  if (out.back() != '/') out += '/';
  if (!directory || !directory[0]) return out;
  std::string rest = ResourceRelative(ToForwardSlashes(directory));
  if (rest.empty()) return out;
  out += rest;
  if (out.back() != '/') out += '/';
  return out;
}

bool BuildMacResourceDirPath(char* out, int size, const char* directory) {
  if (!out || size <= 0) return false;
  std::string path = BuildMacResourceDirPath(directory);
  if (path.empty() || path.size() + 1 > (size_t)size) {
    out[0] = 0;
    return false;
  }
  path.copy(out, path.size());
  out[path.size()] = 0;
  return true;
}

void EnsureDirectoryExists(const char* path) {
  if (!path || !path[0]) return;
  std::string dir = ToForwardSlashes(path);
  std::error_code ec;
  if (fs::is_directory(dir, ec)) return;
  fs::create_directories(dir, ec);
  if (!fs::is_directory(dir, ec)) WindowsError("EnsureDirectoryExists");
}

std::string GetSafeFilename(const char* base, const char* extension) {
  std::string b = base ? base : "";
  std::string e = extension ? extension : "";
  std::string candidate = b + "." + e;
  for (int i = 1;; ++i) {
    FILE* f = Mac_fopen(candidate.c_str(), "rt");
    if (!f) return candidate;
    std::fclose(f);
    candidate = b + "(" + std::to_string(i) + ")." + e;
  }
}
