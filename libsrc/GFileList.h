#pragma once
// The names of the files (or folders) matching a wildcard such as "data/avatarpresets/*.txt",
// looked up as given and, when nothing is found there, inside the resources directory. Listings
// come sorted by name, so picks are repeatable.
#include <string>
#include <vector>

class GFileList {
 public:
  void AddFiles(const char* pattern);
  // Folders only, without those whose name begins with ".".
  void AddDirectories(const char* pattern);
  void Clear() { m_names.clear(); }
  std::string GetRandom() const;  // "" when the list is empty
  // From now on names carry the pattern's folder as well as the file name.
  void StoreFullPaths() { m_fullPaths = true; }
  std::vector<std::string>::const_iterator Begin() const { return m_names.begin(); }
  std::vector<std::string>::const_iterator End() const { return m_names.end(); }
  const std::vector<std::string>& Names() const { return m_names; }
  size_t Count() const { return m_names.size(); }

 private:
  void Add(const char* pattern, bool directoriesOnly);

  std::vector<std::string> m_names;
  std::string m_prefix;
  bool m_fullPaths = false;
};

namespace GFile {
// True when the path can be opened for reading, as given or in the resources directory.
bool FileExists(const char* path);
}  // namespace GFile
