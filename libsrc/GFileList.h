#pragma once
// The names matching a wildcard, also looked up in the resources directory.
#include <string>
#include <vector>

class GFileList {
 public:
  void AddFiles(const char* pattern);
  void AddDirectories(const char* pattern);
  void Clear() { m_names.clear(); }
  std::string GetRandom() const;
  void StoreFullPaths() { m_fullPaths = true; }
  std::vector<std::string>::const_iterator Begin() const { return m_names.begin(); }
  std::vector<std::string>::const_iterator End() const { return m_names.end(); }
  const std::vector<std::string>& Names() const { return m_names; }

 private:
  std::vector<std::string> m_names;
  std::string m_prefix;
  bool m_fullPaths = false;
};

namespace GFile {
bool FileExists(const char* path);
}
