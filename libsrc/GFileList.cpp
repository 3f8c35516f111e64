#include "GFileList.h"

#include <cstdio>
#include <cstdlib>

#include "FileFind.h"
#include "MacFile.h"

void GFileList::AddFiles(const char* pattern) { Add(pattern, false); }

void GFileList::AddDirectories(const char* pattern) { Add(pattern, true); }

void GFileList::Add(const char* pattern, bool directoriesOnly) {
  if (!pattern || !*pattern) return;
  std::string pat = pattern;
  // Folders get the prefix of their own pattern too: keeping the one of an earlier file search
  // would glue their names onto the wrong folder.
  if (m_fullPaths) m_prefix = pat.substr(0, pat.find('*'));

  WIN32_FIND_DATA data;
  HANDLE_FIND h = FindFirstFile(pat.c_str(), &data);
  if (!h) {
    std::string resolved = BuildMacResourceDirPath(pat.c_str());
    if (!resolved.empty() && resolved.back() == '/') resolved.pop_back();
    if (!resolved.empty()) h = FindFirstFile(resolved.c_str(), &data);
  }
  if (!h) return;
  do {
    if (directoriesOnly) {
      if (!(data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) || data.cFileName[0] == '.') continue;
    }
    m_names.push_back(m_prefix + data.cFileName);
  } while (FindNextFile(h, &data));
  FindClose(h);
}

std::string GFileList::GetRandom() const {
  if (m_names.empty()) return "";
  return m_names[(size_t)rand() % m_names.size()];
}

namespace GFile {
bool FileExists(const char* path) {
  if (!path || !*path) return false;
  FILE* f = Mac_fopen(path, "rb");
  if (!f) return false;
  fclose(f);
  return true;
}
}  // namespace GFile
