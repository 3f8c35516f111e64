#pragma once
// Directory search by wildcard, with the Win32 names. Listings are sorted by name so that "first
// found wins" and random picks are repeatable.
#include <cstdint>
#include <string>
#include <vector>

struct _WIN32_FIND_DATA {
  uint32_t dwFileAttributes = 0;  // 16 = directory
  char cFileName[64] = {0};
};
typedef _WIN32_FIND_DATA WIN32_FIND_DATA;
constexpr uint32_t FILE_ATTRIBUTE_DIRECTORY = 16;

class CFileFind {
 public:
  bool FindFile(const char* path);
  bool FindNextFile();
  bool IsDone() const { return m_index >= m_entries.size(); }
  bool IsDirectory() const { return m_isDirectory; }
  void GetFileName(char* out) const;  // out holds 64 characters
  std::string GetFileName() const { return m_currentName; }
  void GetFilePath(char* out, int size) const;

 private:
  struct Entry {
    std::string name;
    bool isDirectory;
  };
  size_t m_index = 0;
  std::vector<Entry> m_entries;
  std::string m_directory;
  std::string m_currentName;
  std::string m_pattern;
  bool m_isDirectory = false;
};

typedef CFileFind* HANDLE_FIND;
HANDLE_FIND FindFirstFile(const char* pattern, WIN32_FIND_DATA* data);
bool FindNextFile(HANDLE_FIND handle, WIN32_FIND_DATA* data);
void FindClose(HANDLE_FIND handle);

// The wildcard fit: "*" runs up to the first occurrence of the character after it (no
// backtracking), "*" and "*.*" at the end fit anything, no "?".
bool WildcardFits(const char* name, const char* pattern);
