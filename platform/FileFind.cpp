#include "FileFind.h"

#include <algorithm>
#include <cctype>
#include <cstring>
#include <filesystem>
#include <system_error>

#include "StringUtils.h"

namespace fs = std::filesystem;

bool WildcardFits(const char* name, const char* pattern) {
  if (!name || !pattern) return false;
  const char* n = name;
  const char* p = pattern;
  while (*n) {
    if (std::tolower((unsigned char)*n) == std::tolower((unsigned char)*p)) {
      ++n;
      ++p;
      continue;
    }
    if (*p != '*') return false;
    // A star runs up to the first occurrence of the character after it; no backtracking.
    if (*n == p[1]) p += 2;
    ++n;
  }
  return *p == 0 || std::strcmp(p, "*") == 0 || std::strcmp(p, "*.*") == 0;
}

bool CFileFind::FindFile(const char* path) {
  m_entries.clear();
  m_index = 0;
  m_currentName.clear();
  m_isDirectory = false;
  m_directory.clear();
  m_pattern.clear();
  if (!path) return false;

  std::string full = ToForwardSlashes(path);
  size_t sep = full.find_last_of("/:");
  if (sep == std::string::npos || sep == 0) return false;
  m_directory = full.substr(0, sep + 1);
  m_pattern = full.substr(sep + 1);

  std::error_code ec;
  if (!fs::is_directory(m_directory, ec)) return false;
  fs::directory_iterator it(m_directory, ec), end;
  if (ec) return false;
  for (; it != end; it.increment(ec)) {
    if (ec) {
      // A listing that fails part-way gives no entries at all.
      m_entries.clear();
      return false;
    }
    std::error_code typeEc;
    m_entries.push_back({it->path().filename().string(), it->is_directory(typeEc)});
  }
  std::sort(m_entries.begin(), m_entries.end(),
            [](const Entry& a, const Entry& b) { return a.name < b.name; });
  return true;
}

bool CFileFind::FindNextFile() {
  if (IsDone()) return false;
  const Entry& e = m_entries[m_index++];
  m_currentName = e.name;
  m_isDirectory = e.isDirectory;
  return WildcardFits(m_currentName.c_str(), m_pattern.c_str());
}

void CFileFind::GetFileName(char* out) const {
  if (!out) return;
  size_t len = std::min<size_t>(m_currentName.size(), 63);
  std::memcpy(out, m_currentName.data(), len);
  out[len] = 0;
}

void CFileFind::GetFilePath(char* out, int size) const {
  if (!out || size <= 0) return;
  std::string full = m_directory + m_currentName;
  size_t len = std::min<size_t>(full.size(), (size_t)size - 1);
  std::memcpy(out, full.data(), len);
  out[len] = 0;
}

namespace {
void FillFindData(const CFileFind& search, WIN32_FIND_DATA* data) {
  if (!data) return;
  search.GetFileName(data->cFileName);
  data->dwFileAttributes = search.IsDirectory() ? FILE_ATTRIBUTE_DIRECTORY : 0;
}

bool StepToFit(CFileFind& search) {
  while (!search.IsDone())
    if (search.FindNextFile()) return true;
  return false;
}
}  // namespace

HANDLE_FIND FindFirstFile(const char* pattern, WIN32_FIND_DATA* data) {
  CFileFind* search = new CFileFind;
  if (search->FindFile(pattern) && StepToFit(*search)) {
    FillFindData(*search, data);
    return search;
  }
  delete search;
  return nullptr;
}

bool FindNextFile(HANDLE_FIND handle, WIN32_FIND_DATA* data) {
  if (!handle) return false;
  if (!StepToFit(*handle)) return false;
  FillFindData(*handle, data);
  return true;
}

void FindClose(HANDLE_FIND handle) { delete handle; }
